#pragma once

#include "platform/gdi/DrawTextLines.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiTypes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class QPaintDevice;

namespace platform {

class TextMeasures;

// How a text breaks into lines where it is drawn in a font other than the one it is measured in: as
// `measures` breaks it in `width` of its logical units. A field breaks on screen as it prints.
struct LineBreaking {
    std::shared_ptr<TextMeasures> measures;
    double width = 0;
};

// What measuring texts in one font on one kind of device found, kept from one paint to the next: a form draws
// the same texts at every paint, and measuring a text means shaping it, the costly part of drawing it. Each
// answer is the one measuring afresh gives, so nothing drawn changes. The tables of all fonts together hold
// a bounded number of texts and start over when full.
class TextMeasures {
public:
    // DrawText's lines of a text, each without the blanks after its last visible character, and the width of
    // each in device pixels.
    struct Lines {
        QStringList lines;
        QList<double> widths;
    };

    // The table of `font` on `device`, whose logical units are `pixelsPerUnitX` device pixels wide. A table
    // dropped when the tables start over lives on as long as it is held.
    static std::shared_ptr<TextMeasures> of(const QFont& font, const QPaintDevice& device,
                                            double pixelsPerUnitX);
    // The table of `font`, in the metric mode's 0.1 mm, as a sheet prints it (kPaperDotsPerInch): the same
    // answers as the printer's own table, without a printer at hand.
    static std::shared_ptr<TextMeasures> onPaper(const Font& font);

    // The font's cell in device pixels, read once: the metrics look the font up again at every question.
    double ascent() const { return m_ascent; }
    double descent() const { return m_descent; }
    double leading() const { return m_leading; }
    // The width of one line in device pixels.
    double width(const QString& text);
    // The width of a piece of a line in logical units, measured afresh.
    double unitWidth(QStringView piece) const;
    // The font's cell and external leading in logical units, as fine down as across.
    TextMetrics unitMetrics() const;
    // The lines DrawText draws for `text` by the DrawTextFormat flags `format` in `width` logical units, no
    // more than `mostLines` of them; with ShownPartOnly each cut to what a line can show. With `breaking`,
    // the text breaks as it says, and `width` only places the lines.
    const Lines& lines(const QString& text, unsigned format, double width, qsizetype mostLines = kAllLines,
                       const LineBreaking* breaking = nullptr);

    // How many texts all tables may hold together before they start over.
    static constexpr qsizetype kMostTexts = 20'000;

private:
    // Without a device, the font is measured at its pixel size alone: unhinted, as every device measures it.
    TextMeasures(const QFont& font, const QPaintDevice* device, double pixelsPerUnitX);
    // Counts a text measured; when the tables hold too many, they start over.
    static void noteText();

    struct LinesKey {
        QString text;
        unsigned format;
        double width;
        qsizetype mostLines;
        // The table that breaks the text and its width; 0 where this one does.
        quint64 breaker;
        double breakWidth;
        friend bool operator==(const LinesKey&, const LinesKey&) = default;
        friend size_t qHash(const LinesKey& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.text, key.format, key.width, key.mostLines, key.breaker,
                              key.breakWidth);
        }
    };

    QFontMetricsF m_metrics;
    double m_ascent;
    double m_descent;
    double m_leading;
    double m_pixelsPerUnitX;
    // Told apart from every other table, also from one made later at the same address.
    quint64 m_serial;
    QHash<QString, double> m_widths;
    QHash<LinesKey, Lines> m_lines;
};

}  // namespace platform
