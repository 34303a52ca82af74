#include "platform/gdi/TextMeasures.h"

#include "platform/gdi/DrawTextLines.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Mapper.h"

#include <QPaintDevice>
#include <algorithm>

namespace platform {
namespace {

// Everything the measures depend on: the font with its size, the device's kind and resolution (a printer
// measures without the screen's hinting) and the size of a logical unit.
struct FontKey {
    QFont font;
    int devType;
    int dpiX;
    int dpiY;
    double pixelsPerUnitX;
    friend bool operator==(const FontKey&, const FontKey&) = default;
    friend size_t qHash(const FontKey& key, size_t seed = 0)
    {
        return qHashMulti(seed, key.font, key.devType, key.dpiX, key.dpiY, key.pixelsPerUnitX);
    }
};

struct Tables {
    QHash<FontKey, std::shared_ptr<TextMeasures>> byFont;
    // The tables of the fonts on paper, found without making their Qt fonts again.
    QHash<Font, std::shared_ptr<TextMeasures>> onPaper;
    qsizetype texts = 0;
    quint64 madeTables = 0;
};

Tables& tables()
{
    static Tables all;
    return all;
}

// Only these flags change the lines.
constexpr unsigned kLineFlags = DrawTextFormat::SingleLine | DrawTextFormat::WordBreak |
                                DrawTextFormat::BreakLongWords | DrawTextFormat::ShownPartOnly;

// The characters of a line too long for any box that can be seen: those at the edge its alignment holds.
QString shownPartOf(const QString& line, unsigned format)
{
    if (line.size() <= kLongestShownLine) return line;
    if (format & DrawTextFormat::Center)
        return line.sliced((line.size() - kLongestShownLine) / 2, kLongestShownLine);
    if (format & DrawTextFormat::Right) return line.last(kLongestShownLine);
    return line.first(kLongestShownLine);
}

}  // namespace

TextMeasures::TextMeasures(const QFont& font, const QPaintDevice* device, double pixelsPerUnitX)
    : m_metrics(font, device),
      m_ascent(m_metrics.ascent()),
      m_descent(m_metrics.descent()),
      m_leading(m_metrics.leading()),
      m_pixelsPerUnitX(pixelsPerUnitX),
      m_serial(++tables().madeTables)
{
}

std::shared_ptr<TextMeasures> TextMeasures::of(const QFont& font, const QPaintDevice& device,
                                               double pixelsPerUnitX)
{
    const FontKey key{font, device.devType(), device.logicalDpiX(), device.logicalDpiY(), pixelsPerUnitX};
    std::shared_ptr<TextMeasures>& table = tables().byFont[key];
    if (!table) table.reset(new TextMeasures(font, &device, pixelsPerUnitX));
    return table;
}

std::shared_ptr<TextMeasures> TextMeasures::onPaper(const Font& font)
{
    Tables& all = tables();
    std::shared_ptr<TextMeasures>& found = all.onPaper[font];
    if (found) return found;
    const Mapper paper = Mapper::onPaper();
    const QFont onPaper = toQFont(font, paper.pixelsPerUnitY(), paper.dpiY());
    // A printer's table, for a printer prints at this resolution.
    const FontKey key{onPaper, QInternal::Printer, kPaperDotsPerInch, kPaperDotsPerInch,
                      paper.pixelsPerUnitX()};
    std::shared_ptr<TextMeasures>& table = all.byFont[key];
    if (!table) table.reset(new TextMeasures(onPaper, nullptr, paper.pixelsPerUnitX()));
    found = table;
    return found;
}

void TextMeasures::noteText()
{
    Tables& all = tables();
    if (++all.texts <= kMostTexts) return;
    all.byFont.clear();
    all.onPaper.clear();
    all.texts = 0;
}

double TextMeasures::width(const QString& text)
{
    if (const auto known = m_widths.constFind(text); known != m_widths.cend()) return *known;
    const double measured = m_metrics.horizontalAdvance(tabsAsBlanks(text));
    noteText();
    m_widths.insert(text, measured);
    return measured;
}

double TextMeasures::unitWidth(QStringView piece) const
{
    return m_metrics.horizontalAdvance(tabsAsBlanks(piece)) / m_pixelsPerUnitX;
}

TextMetrics TextMeasures::unitMetrics() const
{
    TextMetrics metrics;
    metrics.ascent = m_ascent / m_pixelsPerUnitX;
    metrics.descent = m_descent / m_pixelsPerUnitX;
    metrics.height = metrics.ascent + metrics.descent;
    metrics.externalLeading = std::max(0.0, m_leading) / m_pixelsPerUnitX;
    return metrics;
}

const TextMeasures::Lines& TextMeasures::lines(const QString& text, unsigned format, double width,
                                               qsizetype mostLines, const LineBreaking* breaking)
{
    const unsigned lineFlags = format & kLineFlags;
    // Where the line is cut depends on the alignment.
    const unsigned cutFlags = format & DrawTextFormat::ShownPartOnly
                                  ? format & (DrawTextFormat::Center | DrawTextFormat::Right)
                                  : 0;
    const LinesKey key{text,
                       lineFlags | cutFlags,
                       width,
                       mostLines,
                       breaking ? breaking->measures->m_serial : 0,
                       breaking ? breaking->width : 0.0};
    if (const auto known = m_lines.constFind(key); known != m_lines.cend()) return *known;
    const auto widthOf = [this](QStringView piece) { return unitWidth(piece); };
    Lines found;
    const unsigned breakFlags = lineFlags & ~DrawTextFormat::ShownPartOnly;
    found.lines = breaking ? breaking->measures->lines(text, breakFlags, breaking->width, mostLines).lines
                           : drawTextLines(text, lineFlags, width, widthOf, mostLines);
    // A line is placed by what shows of it: blanks after its last visible character draw nothing and hang
    // past its edge.
    for (QString& line : found.lines) line.truncate(visibleEnd(line));
    if (lineFlags & DrawTextFormat::ShownPartOnly) {
        for (QString& line : found.lines) line = shownPartOf(line, cutFlags);
    }
    for (const QString& line : found.lines)
        found.widths.append(m_metrics.horizontalAdvance(tabsAsBlanks(line)));
    noteText();
    return *m_lines.insert(key, std::move(found));
}

}  // namespace platform
