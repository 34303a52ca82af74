#include "platform/gdi/DrawTextLines.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/TextMeasures.h"

#include <gtest/gtest.h>
#include <QImage>

using namespace platform;

namespace {

QFont pixelFont(int pixels)
{
    QFont font("Arial");
    font.setPixelSize(pixels);
    return font;
}

// What measuring afresh gives: DrawText's lines with a width of one logical unit per `pixelsPerUnit` pixels.
QStringList freshLines(const QFontMetricsF& metrics, const QString& text, unsigned format, double width,
                       double pixelsPerUnit)
{
    return drawTextLines(text, format, width, [&](QStringView piece) {
        return metrics.horizontalAdvance(piece.toString()) / pixelsPerUnit;
    });
}

}  // namespace

// Every answer, asked once or again, is what measuring afresh gives; the width and the flags that change the
// lines are part of what is kept, so a text kept for one width is not taken for another.
TEST(TextMeasures, KeptAnswersAreThoseOfMeasuringAfresh)
{
    struct Row {
        const char* text;
        unsigned format;
        double width;
        double pixelsPerUnit;
    };
    const Row rows[] = {
        {"Brandel Maschinenbau GmbH Hafenstraße 12 Bremen", DrawTextFormat::WordBreak, 300, 1.0},
        {"Brandel Maschinenbau GmbH Hafenstraße 12 Bremen", DrawTextFormat::WordBreak, 120, 1.0},
        {"Brandel Maschinenbau GmbH Hafenstraße 12 Bremen", DrawTextFormat::WordBreak, 120, 0.5},
        {"Brandel Maschinenbau GmbH Hafenstraße 12 Bremen", DrawTextFormat::SingleLine, 120, 1.0},
        {"Brandel\r\nBremen\r\n", DrawTextFormat::WordBreak, 500, 1.0},
        {"Brandel\r\nBremen\r\n", DrawTextFormat::SingleLine | DrawTextFormat::WordBreak, 500, 1.0},
        {"", DrawTextFormat::WordBreak, 100, 1.0},
        {"Verpackungsmaschinen", DrawTextFormat::WordBreak, 10, 1.0},
    };
    const QImage device(10, 10, QImage::Format_RGB32);
    for (const int pixels : {12, 30}) {
        const QFontMetricsF metrics(pixelFont(pixels), &device);
        for (int pass = 0; pass < 2; ++pass) {
            for (const Row& row : rows) {
                SCOPED_TRACE(::testing::Message() << row.text << " " << row.width << " " << pixels << "px");
                const std::shared_ptr<TextMeasures> table =
                    TextMeasures::of(pixelFont(pixels), device, row.pixelsPerUnit);
                const TextMeasures::Lines& kept = table->lines(row.text, row.format, row.width);
                const QStringList fresh =
                    freshLines(metrics, row.text, row.format, row.width, row.pixelsPerUnit);
                EXPECT_EQ(kept.lines, fresh);
                ASSERT_EQ(kept.widths.size(), fresh.size());
                for (qsizetype i = 0; i < fresh.size(); ++i)
                    EXPECT_EQ(kept.widths[i], metrics.horizontalAdvance(fresh[i]));
                EXPECT_EQ(table->width(row.text), metrics.horizontalAdvance(row.text));
            }
        }
    }
}

// Past the most texts the tables start over; a table in use stays usable, and every answer stays right.
TEST(TextMeasures, StartingOverKeepsTheAnswersRight)
{
    const QImage device(10, 10, QImage::Format_RGB32);
    const QFontMetricsF metrics(pixelFont(14), &device);
    const std::shared_ptr<TextMeasures> held = TextMeasures::of(pixelFont(14), device, 1.0);
    for (qsizetype i = 0; i < TextMeasures::kMostTexts + 100; ++i) {
        const QString text = QStringLiteral("Kiste %1").arg(i);
        ASSERT_EQ(TextMeasures::of(pixelFont(14), device, 1.0)->width(text), metrics.horizontalAdvance(text));
    }
    EXPECT_EQ(held->width("Kiste 7"), metrics.horizontalAdvance("Kiste 7"));
    EXPECT_EQ(held->lines("Kiste 7 Kiste 8", DrawTextFormat::WordBreak, 40).lines,
              freshLines(metrics, "Kiste 7 Kiste 8", DrawTextFormat::WordBreak, 40, 1.0));
}

// A tab is measured as a blank wherever it stands, and a line is measured by what shows of it: the blanks and
// tabs after its last visible character are not part of it.
TEST(TextMeasures, ATabIsABlankAndTrailingBlanksAreNoPartOfALine)
{
    const QImage device(10, 10, QImage::Format_RGB32);
    const QFontMetricsF metrics(pixelFont(30), &device);
    const std::shared_ptr<TextMeasures> table = TextMeasures::of(pixelFont(30), device, 1.0);
    EXPECT_EQ(table->width("Menge\tGewicht"), metrics.horizontalAdvance("Menge Gewicht"));
    EXPECT_EQ(table->unitWidth(u"12\t\t34"), metrics.horizontalAdvance("12  34"));
    const TextMeasures::Lines& lines =
        table->lines("Deutschland \t  \r\n\t12,5 kg  ", DrawTextFormat::WordBreak, 1000);
    EXPECT_EQ(lines.lines, QStringList({"Deutschland", "\t12,5 kg"}));
    EXPECT_EQ(lines.widths, QList<double>({metrics.horizontalAdvance("Deutschland"),
                                           metrics.horizontalAdvance(" 12,5 kg")}));
}
