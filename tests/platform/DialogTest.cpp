#include "platform/dialog/Dialog.h"

#include "platform/dialog/TextFit.h"
#include "platform/dialog/UpDown.h"
#include "tests/platform/ScriptedUi.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

using namespace platform;

namespace {

const char* const kProbeTemplate = R"({
  "id": 9001, "caption": "Probe", "font": "MS Shell Dlg", "points": 8, "size": [150, 80],
  "controls": [
    {"kind": "groupbox", "text": " Werte ", "rect": [2, 0, 146, 40]},
    {"kind": "static", "text": "&Anzahl:", "rect": [5, 10, 30, 8]},
    {"id": 1001, "kind": "edit", "rect": [40, 9, 40, 12]},
    {"id": 1002, "kind": "checkbox", "text": "Prüfen", "rect": [5, 25, 60, 10]},
    {"id": 1, "kind": "defpushbutton", "text": "OK", "rect": [5, 60, 40, 14]},
    {"id": 2, "kind": "pushbutton", "text": "Abbrechen", "rect": [50, 60, 40, 14]},
    {"id": 57670, "kind": "pushbutton", "text": "Hilfe", "rect": [95, 60, 40, 14]}
  ]
})";

constexpr int kAppHelpContext = 100;
constexpr int kProbeHelpContext = 777;

// A dialog with one whole number from 1 to 99 and a check box, holding its own help context while open.
class ProbeDialog : public Dialog {
public:
    explicit ProbeDialog(int& helpContext)
        : Dialog(DialogTemplate::fromJson(kProbeTemplate)), m_helpContext(helpContext)
    {
    }

    int count = 5;
    int checked = 1;

protected:
    void onInitDialog() override
    {
        keepHelpContext(m_helpContext, kProbeHelpContext);
        Dialog::onInitDialog();
    }
    void doDataExchange(DataExchange& exchange) override
    {
        exchange.text(1001, count, 1, 99);
        exchange.check(1002, checked);
    }

private:
    int& m_helpContext;
};

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override { HelpContext::setShowHelp({}); }

    // Runs the probe with the user typing `typed` and then doing `leave`.
    int run(const QString& typed, const std::function<void(ProbeDialog&)>& leave)
    {
        ui.script = [&](QDialog& shown) {
            auto& probe = static_cast<ProbeDialog&>(shown);
            EXPECT_EQ(helpContext, kProbeHelpContext);
            auto* edit = probe.itemAs<QLineEdit>(1001);
            edit->setFocus();
            edit->setText(typed);
            probe.itemAs<QCheckBox>(1002)->setChecked(false);
            leave(probe);
        };
        return dialog.doModal();
    }

    ScriptedUi ui;
    int helpContext = kAppHelpContext;
    ProbeDialog dialog{helpContext};
};

void click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

struct WayOut {
    const char* name;
    std::function<void(ProbeDialog&)> leave;
    int result;
};

const WayOut kWaysOut[] = {
    {"OK button", [](ProbeDialog& d) { click(d.item(control::kOk)); }, answer::kOk},
    {"Enter in the edit field", [](ProbeDialog& d) { QTest::keyClick(d.item(1001), Qt::Key_Return); },
     answer::kOk},
    {"Cancel button", [](ProbeDialog& d) { click(d.item(control::kCancel)); }, answer::kCancel},
    {"Escape", [](ProbeDialog& d) { QTest::keyClick(d.item(1001), Qt::Key_Escape); }, answer::kCancel},
    {"close box", [](ProbeDialog& d) { d.close(); }, answer::kCancel},
};

}  // namespace

TEST_F(DialogTest, EveryWayOutRestoresTheHelpContextAndOnlyOkReadsTheControlsBack)
{
    for (const WayOut& way : kWaysOut) {
        SCOPED_TRACE(way.name);
        ProbeDialog probe(helpContext);
        ui.script = [&](QDialog&) {
            EXPECT_EQ(helpContext, kProbeHelpContext);
            probe.itemAs<QLineEdit>(1001)->setText("42");
            probe.itemAs<QCheckBox>(1002)->setChecked(false);
            way.leave(probe);
        };
        EXPECT_EQ(probe.doModal(), way.result);
        EXPECT_EQ(helpContext, kAppHelpContext);
        const bool read = way.result == answer::kOk;
        EXPECT_EQ(probe.count, read ? 42 : 5);
        EXPECT_EQ(probe.checked, read ? 0 : 1);
    }
    EXPECT_TRUE(ui.messageBoxes.isEmpty());
}

TEST_F(DialogTest, ARefusedEntryShowsTheGermanMessageSelectsTheEntryAndKeepsTheDialogOpen)
{
    const struct {
        const char* typed;
        const char* message;
    } refusals[] = {
        {"abc", "Geben Sie eine ganze Zahl ein."},
        {"", "Geben Sie eine ganze Zahl ein."},
        {"100", "Geben Sie eine ganze Zahl zwischen 1 und 99 ein."},
        {"0", "Geben Sie eine ganze Zahl zwischen 1 und 99 ein."},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.typed);
        ui.messageBoxes.clear();
        ProbeDialog probe(helpContext);
        ui.script = [&](QDialog&) {
            auto* edit = probe.itemAs<QLineEdit>(1001);
            probe.item(1002)->setFocus();
            edit->setText(refusal.typed);
            probe.itemAs<QCheckBox>(1002)->setChecked(false);
            click(probe.item(control::kOk));
            EXPECT_TRUE(probe.isVisible());
            EXPECT_EQ(probe.focusWidget(), edit);
            EXPECT_EQ(edit->selectedText(), edit->text());
            // The check box after the refused entry was not read.
            EXPECT_EQ(probe.checked, 1);
            EXPECT_EQ(helpContext, kProbeHelpContext);
        };
        EXPECT_EQ(probe.doModal(), ScriptedUi::kStillOpen);
        EXPECT_EQ(ui.messageTexts(), QStringList{refusal.message});
        EXPECT_EQ(ui.messageBoxes.value(0).icon, MessageIcon::Warning);
        EXPECT_EQ(probe.count, 5);
    }
}

TEST_F(DialogTest, AfterARefusalTheCorrectedEntryIsTaken)
{
    EXPECT_EQ(run("abc",
                  [](ProbeDialog& d) {
                      click(d.item(control::kOk));
                      d.itemAs<QLineEdit>(1001)->setText(" 7 ");
                      click(d.item(control::kOk));
                  }),
              answer::kOk);
    EXPECT_EQ(dialog.count, 7);
    EXPECT_EQ(ui.messageBoxes.size(), 1);
}

TEST_F(DialogTest, HelpShowsTheDialogsOwnTopicAndLeavesItOpen)
{
    QList<int> topics;
    HelpContext::setShowHelp([&] { topics.append(helpContext); });
    EXPECT_EQ(run("3", [](ProbeDialog& d) { click(d.item(control::kHelp)); }), ScriptedUi::kStillOpen);
    EXPECT_EQ(topics, QList<int>{kProbeHelpContext});
}

TEST_F(DialogTest, TheTabOrderIsTheTemplatesOrderOfTheControlsThatTakeTheFocus)
{
    dialog.show();
    QStringList order;
    QWidget* start = dialog.item(1001);
    QWidget* w = start;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&dialog) && w != &dialog)
            order.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != start);
    EXPECT_EQ(order, QStringList({"1001", "1002", "1", "2", "57670"}));
    dialog.hide();
}

TEST_F(DialogTest, AStaticsMnemonicLeadsToTheNextControl)
{
    const auto labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->buddy(), dialog.item(1001));
}

TEST_F(DialogTest, ControlsArePlacedInDialogUnitsOfTheDialogFont)
{
    const DialogUnits units(DialogUnits::dialogFont("MS Shell Dlg", 8));
    ASSERT_EQ(dialog.controls().widening(), 1.0);
    EXPECT_EQ(dialog.item(control::kCancel)->geometry(), units.toPixels(QRect(50, 60, 40, 14)));
    EXPECT_EQ(dialog.size(), units.toPixels(QSize(150, 80)));
    EXPECT_EQ(dialog.item(1002)->objectName(), QString("1002"));
}

TEST(DialogUnits, LiberationSansAtEightPointsGivesTheWindowsBaseUnits)
{
    const DialogUnits units(DialogUnits::dialogFont("Microsoft Sans Serif", 8));
    EXPECT_EQ(units.baseX(), 6);
    EXPECT_EQ(units.baseY(), 12);
    // Each edge is rounded half away from zero: 1 unit is 1.5 pixels wide.
    EXPECT_EQ(units.toPixels(QRect(1, 1, 1, 1)), QRect(2, 2, 1, 1));
    EXPECT_EQ(units.toPixels(QRect(200, 156, 0, 0)), QRect(300, 234, 0, 0));
    EXPECT_EQ(units.toPixels(QSize(225, 115)), QSize(338, 173));
}

TEST(DialogWidening, ATextTooLongForItsUnitsWidensTheDialogInsteadOfBeingCut)
{
    const char* const narrow = R"({
      "id": 9002, "caption": "Eng", "size": [70, 40],
      "controls": [
        {"id": 10, "kind": "static", "text": "Korrektur der Druckpositionen", "rect": [2, 2, 60, 8]},
        {"id": 11, "kind": "checkbox", "text": "Vor dem Druck", "rect": [2, 14, 30, 10]},
        {"id": 1, "kind": "defpushbutton", "text": "OK", "rect": [2, 26, 30, 12]}
      ]
    })";
    ScriptedUi ui;
    Dialog dialog(DialogTemplate::fromJson(narrow));
    EXPECT_GT(dialog.controls().widening(), 1.0);
    for (int id : {10, 11, 1}) EXPECT_TRUE(textFits(*dialog.item(id))) << id;
    // Heights stay as the units give them.
    const DialogUnits& units = dialog.controls().units();
    EXPECT_EQ(dialog.item(10)->height(), units.toPixels(QRect(0, 2, 0, 8)).height());

    // A text set later widens again.
    const double before = dialog.controls().widening();
    dialog.controls().setText(10, "Korrektur der Druckpositionen für Feld 12");
    EXPECT_GT(dialog.controls().widening(), before);
    EXPECT_TRUE(textFits(*dialog.item(10)));
}

TEST(DialogTemplate, AMalformedTemplateIsRefused)
{
    EXPECT_THROW(DialogTemplate::fromJson("{"), DialogTemplateError);
    EXPECT_THROW(DialogTemplate::fromJson(R"({"id": 1, "size": [10, 10], "controls": [{"kind": "slider",
                                              "rect": [0, 0, 1, 1]}]})"),
                 DialogTemplateError);
    EXPECT_THROW(DialogTemplate::fromJson(R"({"id": 1, "size": [10, 10], "controls": [{"kind": "static",
                                              "rect": [0, 0, 1]}]})"),
                 DialogTemplateError);
    EXPECT_THROW(DialogTemplate::load(1), DialogTemplateError);
}

namespace {

const char* const kControlsTemplate = R"({
  "id": 9003, "caption": "", "size": [200, 120],
  "controls": [
    {"id": 20, "kind": "multiedit", "rect": [2, 12, 100, 30]},
    {"id": 21, "kind": "edit", "align": "right", "rect": [2, 46, 30, 12]},
    {"id": 22, "kind": "updown", "rect": [32, 46, 10, 12]},
    {"id": 1, "kind": "defpushbutton", "text": "OK", "rect": [2, 100, 40, 14]}
  ]
})";

// A dialog of the controls the form dialogs are made of, taking back the text of its multi-line edit field.
class ControlsDialog : public Dialog {
public:
    ControlsDialog() : Dialog(DialogTemplate::fromJson(kControlsTemplate)) {}
    QString lines;

protected:
    void doDataExchange(DataExchange& exchange) override { exchange.text(20, lines); }
};

}  // namespace

TEST(DialogControlKinds, AMultiLineEditTakesEnterAsANewLineAndHandsOnCrLfAndNoEditCutsALongText)
{
    ScriptedUi ui;
    ControlsDialog dialog;
    ui.script = [&](QDialog&) {
        QWidget* edit = dialog.item(20);
        edit->setFocus();
        QTest::keyClicks(edit, "A");
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, "B");
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_EQ(dialog.focusWidget(), dialog.item(21));
        QTest::keyClick(dialog.item(21), Qt::Key_Return);
    };
    EXPECT_EQ(dialog.doModal(), answer::kOk);
    EXPECT_EQ(dialog.lines, QString("A\r\nB"));

    dialog.controls().setText(20, "1\r\n2\r3\n4");
    EXPECT_EQ(dialog.controls().text(20), QString("1\r\n2\r\n3\r\n4"));

    const QString longText(40000, u'x');
    dialog.controls().setText(21, longText);
    EXPECT_EQ(dialog.controls().text(21), longText);
}

TEST(DialogControlKinds, AnUpDownStepsTheNumberOfTheEditBeforeItWithinItsRange)
{
    // An arrow on a number outside the range, or on no number (taken as 0), lands on the nearest end.
    const struct {
        const char* text;
        int steps;
        int result;
    } rows[] = {
        {"-5", -1, -6}, {"99", 1, 99}, {"-99", -1, -99}, {"150", -1, 99}, {"-150", 1, -99}, {"abc", 1, 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(UpDown::stepped(row.text, -99, 99, row.steps), row.result) << row.text << row.steps;
    EXPECT_EQ(UpDown::stepped("", 50, 150, 1), 50);

    ScriptedUi ui;
    ControlsDialog dialog;
    auto* upDown = dialog.itemAs<UpDown>(22);
    auto* edit = dialog.itemAs<QLineEdit>(21);
    upDown->setRange(50, 150);
    upDown->setPos(200);
    EXPECT_EQ(edit->text(), QString("150"));
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), QString("149"));
    dialog.show();
    QTest::mouseClick(upDown->childAt(upDown->width() / 2, 1), Qt::LeftButton);
    EXPECT_EQ(edit->text(), QString("150"));
    dialog.hide();
}
