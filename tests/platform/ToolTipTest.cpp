#include "platform/dialog/ToolTip.h"

#include "platform/dialog/ToolTipWindow.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QHash>
#include <QHelpEvent>
#include <QPushButton>
#include <QWidget>

using namespace platform;

namespace {

const QString kLongText = QStringLiteral(
    "Verschiebt die Druckmarkierung 0,5mm nach links, damit der Text auf dem Formular in seinem Feld landet");

// Descriptions by control id, as a dialog's tip class picks them.
class ProbeTip : public ToolTip {
public:
    QHash<int, QString> descriptions;
    QList<int> shown;

protected:
    void onShow(int controlId) override
    {
        shown.append(controlId);
        setDescription(descriptions.value(controlId));
    }
};

void hover(QWidget* control)
{
    QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(control, &event);
}

class ToolTipTest : public ::testing::Test {
protected:
    ToolTipTest()
    {
        left->setObjectName("21128");
        other->setObjectName("2");
        other->move(0, 40);
        tip.create(dialog);
        tip.setParams({.drawSeparator = true, .maxDescriptionWidth = 200, .fillGradientColor = 0xD7FFFF});
        tip.addTool(left, "Schaltfläche \"links\"");
        tip.addTool(other, "Schaltfläche \"Abbruch\"");
        tip.descriptions.insert(21128, kLongText);
        dialog.show();
    }

    QWidget dialog;
    QPushButton* left = new QPushButton("L", &dialog);
    QPushButton* other = new QPushButton("Abbrechen", &dialog);
    ProbeTip tip;
};

}  // namespace

TEST_F(ToolTipTest, HoveringAControlShowsItsTitleAndTheDescriptionPickedNow)
{
    hover(left);
    ASSERT_NE(tip.window(), nullptr);
    EXPECT_EQ(tip.window()->title(), QString("Schaltfläche \"links\""));
    EXPECT_EQ(tip.window()->description(), kLongText);
    tip.descriptions.insert(21128, "geändert");
    hover(left);
    EXPECT_EQ(tip.window()->description(), QString("geändert"));
    EXPECT_EQ(tip.shown, QList<int>({21128, 21128}));
}

TEST_F(ToolTipTest, AControlWithoutDescriptionShowsItsTitleAloneInTheNormalFont)
{
    hover(other);
    ASSERT_NE(tip.window(), nullptr);
    EXPECT_EQ(tip.window()->description(), QString());
    EXPECT_FALSE(tip.window()->tipLayout().titleFont.bold());
    EXPECT_FALSE(tip.window()->tipLayout().separator);
}

TEST_F(ToolTipTest, LeavingTheControlHidesTheTip)
{
    hover(left);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(left, &leave);
    EXPECT_EQ(tip.window(), nullptr);
}

TEST_F(ToolTipTest, TheTipIsDrawnOnItsGradientInTheTextColour)
{
    hover(left);
    ASSERT_NE(tip.window(), nullptr);
    const QImage image = const_cast<ToolTipWindow*>(tip.window())->grab().toImage();
    const int middle = image.width() / 2;
    // 0xD7FFFF, pale yellow, at the top runs down to white at the bottom.
    const QColor top = image.pixelColor(middle, 2);
    EXPECT_EQ(top.red(), 255);
    EXPECT_NEAR(top.blue(), 0xD7, 3);
    EXPECT_GE(image.pixelColor(middle, image.height() - 3).blue(), 250);
    bool blueText = false;
    for (int y = 0; y < image.height() && !blueText; ++y) {
        for (int x = 0; x < image.width() && !blueText; ++x) {
            const QColor c = image.pixelColor(x, y);
            blueText = c.blue() > 200 && c.red() < 60 && c.green() < 60;
        }
    }
    EXPECT_TRUE(blueText);
}

TEST(ToolTipLayout, ALongDescriptionWrapsWithinTheWidthAndTheTipGrowsDownwards)
{
    const QFont font("Liberation Sans", 9);
    const ToolTipParams params{.drawSeparator = true, .maxDescriptionWidth = 200};
    const ToolTipLayout shortTip = ToolTipLayout::of("Option", "kurz", params, font);
    const ToolTipLayout longTip = ToolTipLayout::of("Option", kLongText, params, font);
    EXPECT_LE(longTip.description.width(), 200);
    EXPECT_GT(longTip.description.height(), 2 * shortTip.description.height());
    EXPECT_GT(longTip.size.height(), shortTip.size.height());
    EXPECT_TRUE(longTip.titleFont.bold());
    EXPECT_TRUE(longTip.separator);
    EXPECT_GT(longTip.description.top(), longTip.separatorY);
    EXPECT_GT(longTip.separatorY, longTip.title.bottom());

    const ToolTipLayout plain = ToolTipLayout::of("Option", "kurz", {.drawSeparator = false}, font);
    EXPECT_FALSE(plain.separator);
    EXPECT_GT(plain.description.top(), plain.title.bottom());
}
