#include "platform/gdi/TextMeasures.h"

#include "platform/gdi/DrawTextLines.h"
#include "platform/gdi/GdiTypes.h"

#include <QPaintDevice>

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
    qsizetype texts = 0;
};

Tables& tables()
{
    static Tables all;
    return all;
}

// Only these flags change the lines.
constexpr unsigned kLineFlags =
    DrawTextFormat::SingleLine | DrawTextFormat::WordBreak | DrawTextFormat::ShownPartOnly;

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

TextMeasures::TextMeasures(const QFont& font, const QPaintDevice& device, double pixelsPerUnitX)
    : m_metrics(font, &device),
      m_ascent(m_metrics.ascent()),
      m_descent(m_metrics.descent()),
      m_leading(m_metrics.leading()),
      m_pixelsPerUnitX(pixelsPerUnitX)
{
}

std::shared_ptr<TextMeasures> TextMeasures::of(const QFont& font, const QPaintDevice& device,
                                               double pixelsPerUnitX)
{
    const FontKey key{font, device.devType(), device.logicalDpiX(), device.logicalDpiY(), pixelsPerUnitX};
    std::shared_ptr<TextMeasures>& table = tables().byFont[key];
    if (!table) table.reset(new TextMeasures(font, device, pixelsPerUnitX));
    return table;
}

void TextMeasures::noteText()
{
    Tables& all = tables();
    if (++all.texts <= kMostTexts) return;
    all.byFont.clear();
    all.texts = 0;
}

double TextMeasures::width(const QString& text)
{
    if (const auto known = m_widths.constFind(text); known != m_widths.cend()) return *known;
    const double measured = m_metrics.horizontalAdvance(text);
    noteText();
    m_widths.insert(text, measured);
    return measured;
}

const TextMeasures::Lines& TextMeasures::lines(const QString& text, unsigned format, double width,
                                               qsizetype mostLines)
{
    const unsigned lineFlags = format & kLineFlags;
    // Where the line is cut depends on the alignment.
    const unsigned cutFlags = format & DrawTextFormat::ShownPartOnly
                                  ? format & (DrawTextFormat::Center | DrawTextFormat::Right)
                                  : 0;
    const LinesKey key{text, lineFlags | cutFlags, width, mostLines};
    if (const auto known = m_lines.constFind(key); known != m_lines.cend()) return *known;
    const auto widthOf = [this](QStringView piece) {
        return m_metrics.horizontalAdvance(piece.toString()) / m_pixelsPerUnitX;
    };
    Lines found;
    found.lines = drawTextLines(text, lineFlags, width, widthOf, mostLines);
    if (lineFlags & DrawTextFormat::ShownPartOnly) {
        for (QString& line : found.lines) line = shownPartOf(line, cutFlags);
    }
    for (const QString& line : found.lines) found.widths.append(m_metrics.horizontalAdvance(line));
    noteText();
    return *m_lines.insert(key, std::move(found));
}

}  // namespace platform
