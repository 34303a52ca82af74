#include "platform/gdi/TextImages.h"
#include "tests/support/ImageDifference.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

using namespace platform;

namespace {

QFont pixelFont(int pixels, int weight)
{
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setWeight(QFont::Weight(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QImage blank()
{
    QImage image(320, 90, QImage::Format_RGB32);
    image.fill(QColor(0xDE, 0xFF, 0xD1));
    return image;
}

}  // namespace

// A text drawn from its picture covers the pixels its glyphs cover when drawn directly, wherever within a
// pixel it starts, across the device's edges too, by a painter shifted as a widget inside a window is; only
// the rounding of a smoothed edge may differ. The first time a text is drawn, its caller draws it.
TEST(TextImages, ATextFromItsPictureCoversThePixelsOfItsGlyphs)
{
    const struct {
        int pixels;
        int weight;
        const char* text;
        QPointF origin;
        QColor color;
        QPoint shift;
    } rows[] = {
        {13, 400, "Ausführer (Name, vollständige Anschrift, Staat)", {20.3, 30.7}, Qt::black, {}},
        {27, 700, "A.TR. Nr.", {-7.81, 40.02}, Qt::black, {}},
        {27, 700, "A.TR. Nr.", {-7.7734375, -3.03}, Qt::black, {30, 40}},
        {18, 400, "Brandel Maschinenbau GmbH", {100.999, 25.5}, QColor(0, 0, 255), {-20, 3}},
        {40, 400, "Wgjy ÄÖÜ", {5.015625, 12.2}, QColor(200, 30, 30), {}},
        {18, 400, "   ", {10, 10}, Qt::black, {}},
    };
    const auto directly = [](const QFont& font, QPointF origin, const QString& text, QColor color,
                             QPoint shift) {
        QImage image = blank();
        QPainter painter(&image);
        painter.translate(shift);
        painter.setFont(font);
        painter.setPen(color);
        painter.drawText(origin, text);
        return image;
    };
    // Spaces at the end make each run's texts new ones.
    static int runs = 0;
    const QString spaces(++runs, u' ');
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const QString text = row.text + spaces;
        const QFont font = pixelFont(row.pixels, row.weight);
        QImage fromPicture = blank();
        QPainter painter(&fromPicture);
        painter.translate(row.shift);
        TextImages::startPaint();
        EXPECT_FALSE(TextImages::draw(painter, row.origin, text, font, row.color));
        EXPECT_EQ(fromPicture, blank());
        TextImages::startPaint();
        EXPECT_TRUE(TextImages::draw(painter, row.origin, text, font, row.color));
        painter.end();
        EXPECT_LE(largestDifference(directly(font, row.origin, text, row.color, row.shift), fromPicture), 1);
    }
}

// The pictures hold a bounded number of bytes. When they are full, those the current paint has not drawn make
// room; those it has drawn stay, and what still does not fit is left to the caller.
TEST(TextImages, PicturesStayWithinTheirBytesAndKeepWhatThePaintDraws)
{
    QImage device = blank();
    QPainter painter(&device);
    const QFont font = pixelFont(60, 400);
    // Drawn a second time, a text has its picture made.
    const auto drawnAgain = [&](const QString& text) {
        TextImages::draw(painter, {0, 60}, text, font, Qt::black);
        return TextImages::draw(painter, {0, 60}, text, font, Qt::black);
    };
    const QString line = QStringLiteral("Maschinenteile aus Stahl, verpackt in Holzkisten, Kisten-Nr. %1");
    TextImages::startPaint();
    ASSERT_TRUE(drawnAgain(line.arg(0)));
    int leftToCaller = 0;
    for (int i = 1; i < 20; ++i) {
        if (!drawnAgain(line.arg(i))) ++leftToCaller;
        EXPECT_LE(TextImages::bytesHeld(), TextImages::kMostBytes);
    }
    EXPECT_GT(leftToCaller, 0);
    EXPECT_TRUE(TextImages::draw(painter, {0, 60}, line.arg(0), font, Qt::black));

    TextImages::startPaint();
    EXPECT_TRUE(drawnAgain(line.arg(100)));
    EXPECT_LE(TextImages::bytesHeld(), TextImages::kMostBytes);
}
