#include "platform/dialog/PropertySheet.h"

#include "platform/dialog/Dialog.h"
#include "platform/dialog/PropertyPage.h"
#include "tests/platform/ScriptedUi.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace platform;

namespace {

const char* const kPageTemplate = R"({
  "id": 9010, "caption": "Seite", "font": "MS Shell Dlg", "points": 8, "size": [120, 40],
  "controls": [
    {"kind": "static", "text": "Wert:", "rect": [5, 5, 30, 8]},
    {"id": 1001, "kind": "edit", "rect": [40, 4, 40, 12]}
  ]
})";

// A page that counts how it is entered and left; its number must be whole.
class ProbePage : public PropertyPage {
public:
    explicit ProbePage(QStringList& log, QString name)
        : PropertyPage(DialogTemplate::fromJson(kPageTemplate)), m_log(log), m_name(std::move(name))
    {
    }

    int value = 0;

protected:
    void onInitDialog() override
    {
        m_log.append(m_name + " init");
        PropertyPage::onInitDialog();
    }
    void doDataExchange(DataExchange& exchange) override { exchange.text(1001, value); }
    void onSetActive() override { m_log.append(m_name + " active"); }
    bool onKillActive() override
    {
        m_log.append(m_name + " left");
        return PropertyPage::onKillActive();
    }

private:
    QStringList& m_log;
    QString m_name;
};

class PropertySheetTest : public ::testing::Test {
protected:
    PropertySheetTest()
    {
        second.setTitle("  Zweite ");
        sheet.addPage(first);
        sheet.addPage(second);
    }
    void TearDown() override { HelpContext::setShowHelp({}); }

    QLineEdit* edit(ProbePage& page) { return page.itemAs<QLineEdit>(1001); }
    QPushButton* button(int id) { return sheet.findChild<QPushButton*>(QString::number(id)); }

    ScriptedUi ui;
    QStringList log;
    ProbePage first{log, "1"};
    ProbePage second{log, "2"};
    PropertySheet sheet;
};

}  // namespace

TEST_F(PropertySheetTest, APageIsSetUpWhenFirstEnteredAndLeftBeforeTheNextOne)
{
    ui.script = [&](QDialog&) {
        sheet.setActivePage(1);
        sheet.setActivePage(0);
        sheet.setActivePage(1);
        edit(second)->setText("12");
        QTest::keyClick(edit(second), Qt::Key_Return);
    };
    EXPECT_EQ(sheet.doModal(), answer::kOk);
    EXPECT_EQ(log, QStringList({"1 init", "1 active", "1 left", "2 init", "2 active", "2 left", "1 active",
                                "1 left", "2 active", "2 left"}));
    EXPECT_EQ(second.value, 12);
}

TEST_F(PropertySheetTest, APageWithARefusedEntryKeepsTheSheetOnIt)
{
    ui.script = [&](QDialog&) {
        edit(first)->setText("zwölf");
        sheet.setActivePage(1);
        EXPECT_EQ(sheet.activePage(), &first);
        EXPECT_EQ(sheet.findChild<QTabWidget*>()->currentIndex(), 0);
        QTest::mouseClick(button(control::kOk), Qt::LeftButton);
        EXPECT_TRUE(sheet.isVisible());
        QTest::keyClick(&sheet, Qt::Key_Escape);
    };
    EXPECT_EQ(sheet.doModal(), answer::kCancel);
    EXPECT_EQ(ui.messageTexts(), QStringList(2, "Geben Sie eine ganze Zahl ein."));
    EXPECT_FALSE(log.contains("2 init"));
}

TEST_F(PropertySheetTest, CancelEscapeAndTheCloseBoxLeaveNoPage)
{
    const std::function<void()> ways[] = {
        [&] { QTest::mouseClick(button(control::kCancel), Qt::LeftButton); },
        [&] { QTest::keyClick(&sheet, Qt::Key_Escape); },
        [&] { sheet.close(); },
    };
    for (const auto& leave : ways) {
        log.clear();
        ui.script = [&](QDialog&) { leave(); };
        EXPECT_EQ(sheet.doModal(), answer::kCancel);
        EXPECT_FALSE(log.contains("1 left"));
    }
}

TEST_F(PropertySheetTest, TheSheetOffersOkCancelAndHelpButNoApply)
{
    QStringList texts;
    for (const QPushButton* b : sheet.findChildren<QPushButton*>()) texts.append(b->text());
    EXPECT_EQ(texts, QStringList({"OK", "Abbrechen", "Hilfe"}));
    EXPECT_TRUE(button(control::kOk)->isDefault());
    int helped = 0;
    HelpContext::setShowHelp([&] { ++helped; });
    ui.script = [&](QDialog&) { QTest::mouseClick(button(control::kHelp), Qt::LeftButton); };
    EXPECT_EQ(sheet.doModal(), ScriptedUi::kStillOpen);
    EXPECT_EQ(helped, 1);
}
