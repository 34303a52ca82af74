#include "platform/gdi/Mapper.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>

using namespace platform;

namespace {

struct MappingCase {
    const char* name;
    MapMode mode;
    double dpiX, dpiY, scale;
    QPointF viewportOrigin;
    QPointF logical;
    QPointF device;
};

const MappingCase mappingCases[] = {
    {"one pixel a tenth of a millimetre", MapMode::LoMetric, 254, 254, 1, {}, {100, -200}, {100, 200}},
    {"an inch on a 96 dpi screen", MapMode::LoMetric, 96, 96, 1, {}, {254, -254}, {96, 96}},
    {"across and down resolved apart", MapMode::LoMetric, 600, 300, 1, {}, {254, -508}, {600, 600}},
    {"y upwards: positive y lies above the origin",
     MapMode::LoMetric,
     254,
     254,
     1,
     {0, 500},
     {0, 100},
     {0, 400}},
    {"zoom 1.3 on a 96 dpi screen",
     MapMode::LoMetric,
     96,
     96,
     1.3,
     {},
     {1000, -1000},
     {491.33858267716, 491.33858267716}},
    {"a scrolled view keeps fractions of a pixel",
     MapMode::LoMetric,
     1200,
     1200,
     1,
     {-10.5, 20.25},
     {1, -1},
     {-10.5 + 1200 / 254.0, 20.25 + 1200 / 254.0}},
    {"a tenth of a millimetre on a 600 dpi printer",
     MapMode::LoMetric,
     600,
     600,
     1,
     {},
     {1, -1},
     {600 / 254.0, 600 / 254.0}},
    {"pixels as they stand", MapMode::Text, 96, 96, 1, {}, {10, 20}, {10, 20}},
    {"pixels ignore the resolution but not the scale",
     MapMode::Text,
     600,
     300,
     2,
     {5, 5},
     {10, 20},
     {25, 45}},
};

class LogicalToDevice : public ::testing::TestWithParam<MappingCase> {};

Mapper mapperFor(const MappingCase& c)
{
    Mapper mapper(c.dpiX, c.dpiY);
    mapper.setMapMode(c.mode);
    mapper.setScale(c.scale);
    mapper.setViewportOrigin(c.viewportOrigin);
    return mapper;
}

}  // namespace

TEST_P(LogicalToDevice, MapsThePointWhereTheDeviceResolutionPutsItAndTheTransformAgrees)
{
    const MappingCase& c = GetParam();
    const Mapper mapper = mapperFor(c);
    for (const QPointF device : {mapper.toDevice(c.logical), mapper.transform().map(c.logical)}) {
        EXPECT_NEAR(device.x(), c.device.x(), 1e-9) << c.name;
        EXPECT_NEAR(device.y(), c.device.y(), 1e-9) << c.name;
    }
}

TEST_P(LogicalToDevice, DeviceToLogicalGivesThePointBack)
{
    const MappingCase& c = GetParam();
    const Mapper mapper = mapperFor(c);
    for (const QPointF logical : {c.logical, QPointF(-1234.5, 987.25), QPointF(0.1, -0.1)}) {
        const QPointF back = mapper.toLogical(mapper.toDevice(logical));
        EXPECT_NEAR(back.x(), logical.x(), 1e-9) << c.name;
        EXPECT_NEAR(back.y(), logical.y(), 1e-9) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Mapper, LogicalToDevice, ::testing::ValuesIn(mappingCases));

TEST(Mapper, MetricRectangleWithTopAboveBottomCoversTheDeviceRectangleTopDown)
{
    Mapper mapper(254, 254);
    mapper.setMapMode(MapMode::LoMetric);
    EXPECT_EQ(mapper.toDevice(Rect{100, -100, 300, -400}), QRectF(100, 100, 200, 300));
}

TEST(Mapper, HimetricIsAPureScaleByTheResolutionWhateverTheMapping)
{
    Mapper mapper(96, 192);
    mapper.setMapMode(MapMode::LoMetric);
    mapper.setScale(1.7);
    mapper.setViewportOrigin({33, 44});
    EXPECT_EQ(mapper.himetricToDevice({2540, -2540}), QPointF(96, -192));
    EXPECT_EQ(mapper.himetricToDevice({250, 250}).y(), 250 * 192 / 2540.0);
    const QPointF back = mapper.deviceToHimetric(mapper.himetricToDevice({-1234, 567}));
    EXPECT_NEAR(back.x(), -1234, 1e-9);
    EXPECT_NEAR(back.y(), 567, 1e-9);
}

TEST(Mapper, ImagesAreMeasuredByTheirLogicalResolutionPdfPagesByTheResolutionTheyAreDrawnAt)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(300 / 0.0254));
    image.setDotsPerMeterY(qRound(600 / 0.0254));
    EXPECT_EQ(Mapper::forDevice(image).dpiX(), 300);
    EXPECT_EQ(Mapper::forDevice(image).dpiY(), 600);
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath("page.pdf"));
    pdf.setResolution(600);
    EXPECT_EQ(Mapper::forDevice(pdf).dpiY(), 600);
}
