#include "editor/CQeEditWindow.h"

#include "tests/editor/EditorTestSupport.h"
#include "tests/editor/ProbeEditor.h"
#include "tests/platform/InkBox.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

using platform::Dc;
using platform::MapMode;

namespace {

constexpr double kDotsPerMetre96 = 96 / 0.0254;

QImage screenImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(kDotsPerMetre96)));
    image.setDotsPerMeterY(int(std::lround(kDotsPerMetre96)));
    image.fill(Qt::white);
    return image;
}

// Runs `use` on a metric device context of a 96 dpi screen image.
template <typename Use>
void withScreenDc(QImage& image, Use use)
{
    QPainter painter(&image);
    Dc dc(painter);
    dc.mapper().setMapMode(MapMode::LoMetric);
    dc.setBackgroundMode(platform::BackgroundMode::Transparent);
    use(dc);
}

int heightOf(const EditorFontTable::FontSet& set, int size, bool bold)
{
    return set.ForField(size, bold).height;
}

}  // namespace

TEST(ScreenFonts, DisplayHeightsAreTheSettingTimesTheZoomOver12)
{
    TemporarySettings settings;
    CQeEditWindow editor(&settings.store());
    QImage image = screenImage({10, 10});
    const struct {
        int zoom, size;
        bool bold;
        int height;
    } cases[] = {
        {10, 0, false, 25}, {10, 4, true, 43}, {13, 2, false, 45}, {25, 1, false, 79}, {10, 0, true, 23}};
    for (const auto& c : cases) {
        withScreenDc(image, [&](Dc& dc) { editor.CreateFonts(dc, c.zoom); });
        const platform::Font& font = editor.GetFontTable().display.ForField(c.size, c.bold);
        EXPECT_EQ(font.height, c.height) << c.zoom << " " << c.size;
        EXPECT_EQ(font.weight, c.bold ? 700 : 400);
        EXPECT_EQ(font.faceName, "Arial");
    }
}

TEST(ScreenFonts, TheEditWindowShowsTheSameSizeInPixels)
{
    TemporarySettings settings;
    CQeEditWindow editor(&settings.store());
    QImage image = screenImage({10, 10});
    withScreenDc(image, [&](Dc& dc) { editor.CreateFonts(dc, 10); });
    // 250 hundredths of a millimetre at 96 dpi are 9.45 pixels.
    EXPECT_EQ(heightOf(editor.GetFontTable().edit, 0, false), 9);
    // (52 * 10) / 12 = 43: 430 hundredths, 16.25 pixels.
    EXPECT_EQ(heightOf(editor.GetFontTable().edit, 4, true), 16);
    EXPECT_EQ(editor.GetFontTable().edit.ForField(4, true).weight, 700);
    withScreenDc(image, [&](Dc& dc) { editor.CreateFonts(dc, 13); });
    // (42 * 13) / 12 = 45: 450 hundredths, 17.0 pixels.
    EXPECT_EQ(heightOf(editor.GetFontTable().edit, 2, false), 17);
}

TEST(ScreenFonts, HeightsComeFromTheFontSectionAndHandSetNonsenseIsClamped)
{
    TemporarySettings settings;
    settings.store().WriteProfileInt(u"Font", u"DFont1", 60);
    settings.store().WriteProfileInt(u"Font", u"DFont2", 0);
    settings.store().WriteProfileInt(u"Font", u"DFont3", -40);
    settings.store().WriteProfileInt(u"Font", u"DFont4", 2000000000);
    settings.store().WriteProfileInt(u"Font", u"EFont0", 0);
    CQeEditWindow editor(&settings.store());
    QImage image = screenImage({10, 10});
    withScreenDc(image, [&](Dc& dc) { editor.CreateFonts(dc, 12); });
    const EditorFontTable& fonts = editor.GetFontTable();
    EXPECT_EQ(heightOf(fonts.display, 1, false), 60);
    EXPECT_EQ(heightOf(fonts.display, 2, false), 1);
    EXPECT_EQ(heightOf(fonts.display, 3, false), 1);
    EXPECT_EQ(heightOf(fonts.display, 4, false), 2000);
    EXPECT_EQ(heightOf(fonts.display, 1, true), 38);  // the bold font has its own key
    EXPECT_EQ(heightOf(fonts.edit, 0, false), 1);
}

TEST(ScreenFonts, SizeCodesAboveTheLargestTakeTheLargest)
{
    CQeEditWindow editor;
    const EditorFontTable::FontSet& display = editor.GetFontTable().display;
    for (int size : {5, 7, 15, 64}) {
        EXPECT_EQ(&display.ForField(size, false), &display.ForField(4, false)) << size;
        EXPECT_EQ(&display.ForField(size, true), &display.ForField(4, true)) << size;
    }
}

TEST(PrinterFonts, AreTheSettingTimesTheFactorInPercentTruncated)
{
    TemporarySettings settings;
    settings.store().WriteProfileInt(u"Font", u"PFont2B", 50);
    CQeEditWindow editor(&settings.store());
    editor.CreatePrinterFonts(95);
    const EditorFontTable::FontSet& printer = editor.GetFontTable().printer;
    EXPECT_EQ(heightOf(printer, 0, false), 20);  // 22 * 95 / 100 = 20.9
    EXPECT_EQ(heightOf(printer, 2, false), 34);  // 36 * 95 / 100 = 34.2
    EXPECT_EQ(heightOf(printer, 2, true), 47);   // only the bold font takes "PFont2B"
    EXPECT_EQ(heightOf(printer, 4, true), 43);
    EXPECT_EQ(printer.ForField(4, true).weight, 700);
    editor.CreatePrinterFonts(120);
    EXPECT_EQ(heightOf(printer, 1, false), 38);
}

TEST(DefineFont, ReachesTheEditAndPrinterSetsByIndexAndSetsTheWeightByIt)
{
    CQeEditWindow editor;
    const platform::Font given{"Arial", 77, 100, 0};
    const struct {
        std::uint16_t index;
        const EditorFontTable::FontSet* set;
        int position;
        int weight;
    } cases[] = {
        {0x02, &editor.GetFontTable().edit, 2, 400},     {0x12, &editor.GetFontTable().edit, 9, 700},
        {0x42, &editor.GetFontTable().edit, 6, 400},     {0x0A, &editor.GetFontTable().printer, 2, 400},
        {0x1C, &editor.GetFontTable().printer, 11, 700}, {0x43, &editor.GetFontTable().printer, 5, 400}};
    for (const auto& c : cases) {
        editor.DefineFont(c.index, given);
        EXPECT_EQ(c.set->at(c.position).height, 77) << c.index;
        EXPECT_EQ(c.set->at(c.position).weight, c.weight) << c.index;
    }
    const EditorFontTable before = editor.GetFontTable();
    for (std::uint16_t ignored : {0x05, 0x0D, 0x15, 0x20, 0x40, 0x45})
        editor.DefineFont(ignored, platform::Font{"Arial", 99, 400, 0});
    for (int position = 0; position < EditorFontTable::kFontsPerSet; ++position) {
        EXPECT_EQ(editor.GetFontTable().edit.at(position), before.edit.at(position));
        EXPECT_EQ(editor.GetFontTable().printer.at(position), before.printer.at(position));
    }
}

namespace {

// A field's box as a form table holds it (0.1 mm from the sheet's top-left, y downwards) at a zoom, as the
// views pass it to PaintField: zoomed, y upwards.
platform::Rect zoomedBox(QRect box, int zoom)
{
    return {box.left() * zoom / 10, -box.top() * zoom / 10, (box.left() + box.width()) * zoom / 10,
            -(box.top() + box.height()) * zoom / 10};
}

}  // namespace

TEST(PaintField, TheTextLiesInsideItsBoxAtEveryZoom)
{
    const QRect box(150, 120, 800, 150);  // 80 mm by 15 mm
    const struct {
        std::uint16_t flags;
        QString text;
    } fields[] = {{0x0001, "Hamburg-Waltershof, Zollamt"},
                  {0x0114, "Maschinenbau\r\nGmbH"},
                  {0x0202, "Kalvenport Export"}};
    for (int zoom : {10, 13, 25}) {
        for (const auto& field : fields) {
            ProbeEditor editor;
            editor.SetFieldCounts(1, 0, true);
            editor.SetFieldFlags(0, 1, field.flags);
            editor.SetFieldText(0, field.text, 1);
            editor.PretendLiveWindow();
            QImage image = screenImage({1000, 300});
            platform::Rect rect = zoomedBox(box, zoom);
            withScreenDc(image, [&](Dc& dc) {
                editor.CreateFonts(dc, zoom);
                EXPECT_TRUE(editor.PaintField(dc, rect, 0, 1, false));
            });
            const QRect ink = inkBox(image);
            ASSERT_FALSE(ink.isEmpty()) << zoom << " " << field.text.toStdString();
            const double pixelsPerUnit = 96 / 254.0;
            const platform::Rect drawn = zoomedBox(box, zoom);
            const QRectF boxPixels(QPointF(drawn.left, -drawn.top) * pixelsPerUnit,
                                   QPointF(drawn.right, -drawn.bottom) * pixelsPerUnit);
            EXPECT_TRUE(boxPixels.contains(QRectF(ink)))
                << zoom << " " << field.text.toStdString() << ": ink " << ink.x() << "," << ink.y() << " "
                << ink.width() << "x" << ink.height();
        }
    }
}

TEST(PaintField, InsetsByAlignmentAndDrawsNothingBeforeTheLiveWindowExists)
{
    const struct {
        std::uint16_t alignment;
        platform::Rect after;
    } cases[] = {{0x000, {110, -100, 900, -300}},
                 {0x100, {100, -100, 900, -300}},
                 {0x200, {100, -100, 888, -300}},
                 {0x300, {100, -100, 900, -300}}};
    for (const auto& c : cases) {
        ProbeEditor editor;
        editor.SetFieldCounts(1, 0, true);
        editor.SetFieldFlags(0, 1, std::uint16_t(c.alignment | 1));
        editor.SetFieldText(0, "Text", 1);
        QImage image = screenImage({400, 200});
        platform::Rect rect{100, -100, 900, -300};
        withScreenDc(image, [&](Dc& dc) { EXPECT_FALSE(editor.PaintField(dc, rect, 0, 1, false)); });
        EXPECT_TRUE(inkBox(image).isEmpty());
        EXPECT_EQ(rect, (platform::Rect{100, -100, 900, -300}));
        withScreenDc(image, [&](Dc& dc) {
            editor.PretendLiveWindow();
            EXPECT_TRUE(editor.PaintField(dc, rect, 0, 1, false));
        });
        EXPECT_EQ(rect, c.after) << c.alignment;
    }
}
