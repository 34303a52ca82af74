#pragma once

#include "platform/gdi/DrawTextLines.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class QPaintDevice;

namespace platform {

// What measuring texts in one font on one kind of device found, kept from one paint to the next: a form draws
// the same texts at every paint, and measuring a text means shaping it, the costly part of drawing it. Each
// answer is the one measuring afresh gives, so nothing drawn changes. The tables of all fonts together hold
// a bounded number of texts and start over when full.
class TextMeasures {
public:
    // DrawText's lines of a text and the width of each in device pixels.
    struct Lines {
        QStringList lines;
        QList<double> widths;
    };

    // The table of `font` on `device`, whose logical units are `pixelsPerUnitX` device pixels wide. A table
    // dropped when the tables start over lives on as long as it is held.
    static std::shared_ptr<TextMeasures> of(const QFont& font, const QPaintDevice& device,
                                            double pixelsPerUnitX);

    // The font's cell in device pixels, read once: the metrics look the font up again at every question.
    double ascent() const { return m_ascent; }
    double descent() const { return m_descent; }
    double leading() const { return m_leading; }
    // The width of one line in device pixels.
    double width(const QString& text);
    // The lines DrawText draws for `text` by the DrawTextFormat flags `format` in `width` logical units, no
    // more than `mostLines` of them; with ShownPartOnly each cut to what a line can show.
    const Lines& lines(const QString& text, unsigned format, double width, qsizetype mostLines = kAllLines);

    // How many texts all tables may hold together before they start over.
    static constexpr qsizetype kMostTexts = 20'000;

private:
    TextMeasures(const QFont& font, const QPaintDevice& device, double pixelsPerUnitX);
    // Counts a text measured; when the tables hold too many, they start over.
    static void noteText();

    struct LinesKey {
        QString text;
        unsigned format;
        double width;
        qsizetype mostLines;
        friend bool operator==(const LinesKey&, const LinesKey&) = default;
        friend size_t qHash(const LinesKey& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.text, key.format, key.width, key.mostLines);
        }
    };

    QFontMetricsF m_metrics;
    double m_ascent;
    double m_descent;
    double m_leading;
    double m_pixelsPerUnitX;
    QHash<QString, double> m_widths;
    QHash<LinesKey, Lines> m_lines;
};

}  // namespace platform
