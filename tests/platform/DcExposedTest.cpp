#include "platform/gdi/Dc.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

using namespace platform;

namespace {

// Texts and lines all over, in every alignment and across every edge of the strips the test repaints.
class Drawing : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        Dc dc(painter, event->region());
        dc.setBackgroundMode(BackgroundMode::Transparent);
        dc.selectPen(Pen{PenStyle::Solid, 1, 0});
        const unsigned alignments[] = {TextAlign::Left | TextAlign::Top,
                                       TextAlign::Center | TextAlign::Baseline,
                                       TextAlign::Right | TextAlign::Bottom};
        for (int row = 0; row < 14; ++row) {
            dc.selectFont(Font{"Arial", 12 + row * 2, row % 2 ? 700 : 400, 0});
            dc.setTextAlign(alignments[row % 3]);
            dc.textOut(QPoint(40 + row * 13, row * 29),
                       QStringLiteral("Brandel Maschinenbau GmbH %1").arg(row));
            Rect box{10 + row * 7, row * 29 + 5, 150 + row * 9, row * 29 + 60};
            dc.drawText(QStringLiteral("Hafenstraße 12, 28195 Bremen, Deutschland"), box,
                        DrawTextFormat::WordBreak | (row % 2 ? DrawTextFormat::NoClip : 0u));
            dc.moveTo(QPoint(0, row * 31));
            dc.lineTo(QPoint(width(), row * 31 + row));
        }
    }
};

}  // namespace

// A paint of part of the window (a scroll step exposes a strip) draws there what a paint of the whole draws:
// texts and lines that reach into the part are drawn, whatever their alignment, only those outside it are
// not; also where the drawing does not stand at the window's corner, as a form below the menu and toolbars.
TEST(DcExposed, APartRepaintedShowsWhatTheWholeShows)
{
    for (const QPoint place : {QPoint(0, 0), QPoint(30, 100)}) {
        SCOPED_TRACE(::testing::Message() << "drawing at " << place.x() << "," << place.y());
        QWidget window;
        window.resize(place.x() + 420, place.y() + 420);
        Drawing drawing(&window);
        drawing.setGeometry(QRect(place, QSize(420, 420)));
        drawing.setAutoFillBackground(true);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QImage whole = drawing.grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const QRect part : {QRect(0, 0, 420, 7), QRect(0, 200, 420, 13), QRect(0, 405, 420, 15),
                                 QRect(100, 0, 9, 420), QRect(37, 61, 50, 50)}) {
            SCOPED_TRACE(::testing::Message()
                         << part.x() << "," << part.y() << " " << part.width() << "x" << part.height());
            drawing.repaint(part);
            const QImage onScreen = window.screen()
                                        ->grabWindow(window.winId(), place.x(), place.y(), 420, 420)
                                        .toImage()
                                        .convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(onScreen.size(), whole.size());
            EXPECT_EQ(onScreen.copy(part), whole.copy(part));
        }
    }
}
