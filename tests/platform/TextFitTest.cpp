#include "platform/dialog/TextFit.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using platform::textFits;
using platform::withoutMnemonic;

namespace {

const QString kLong = QStringLiteral("Vor dem Druck diesen Dialog nicht anzeigen");

// The widget at a width where its text is cut, then at one where it is not.
void expectCutThenWhole(QWidget& widget, int height)
{
    widget.setFont(QFont("Liberation Sans", 8));
    widget.resize(40, height);
    EXPECT_FALSE(textFits(widget)) << widget.metaObject()->className();
    widget.resize(400, height);
    EXPECT_TRUE(textFits(widget)) << widget.metaObject()->className();
}

}  // namespace

TEST(TextFit, EveryKindOfControlWithTextTellsWhenItsTextIsCut)
{
    QLabel label(kLong);
    label.setWordWrap(true);
    expectCutThenWhole(label, 12);
    QCheckBox check(kLong);
    expectCutThenWhole(check, 15);
    QPushButton button(kLong);
    expectCutThenWhole(button, 21);
    QGroupBox group(kLong);
    expectCutThenWhole(group, 60);
    QLineEdit edit(kLong);
    expectCutThenWhole(edit, 18);
    QComboBox list;
    list.setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list.addItem(kLong);
    expectCutThenWhole(list, 20);
}

TEST(TextFit, AWrappedLabelNeedsTheHeightOfAllItsLines)
{
    QLabel label(kLong);
    label.setWordWrap(true);
    label.setFont(QFont("Liberation Sans", 8));
    label.resize(120, 12);
    EXPECT_FALSE(textFits(label));
    label.resize(120, 60);
    EXPECT_TRUE(textFits(label));
}

TEST(TextFit, HiddenControlsAndControlsWithoutTextAlwaysFit)
{
    QLabel hidden(kLong);
    hidden.resize(5, 5);
    hidden.hide();
    EXPECT_TRUE(textFits(hidden));
    QLabel empty;
    empty.resize(1, 1);
    EXPECT_TRUE(textFits(empty));
}

TEST(TextFit, TheMnemonicMarkIsNotDrawn)
{
    EXPECT_EQ(withoutMnemonic("Anzahl &Kopien:"), QString("Anzahl Kopien:"));
    EXPECT_EQ(withoutMnemonic("A && B"), QString("A & B"));
    EXPECT_EQ(withoutMnemonic("Ende&"), QString("Ende&"));
}
