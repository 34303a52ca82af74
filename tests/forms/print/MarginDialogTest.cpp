#include "forms/atr/ATR_Form.h"
#include "forms/eur1/EUR1_Form.h"
#include "forms/lze848a/LZE848a_Form.h"
#include "forms/print/Common_DlgMargin01.h"
#include "forms/print/Common_DlgMargin02.h"
#include "forms/print/MarginDialogRun.h"
#include "forms/uz/UZ_Form.h"
#include "platform/dialog/ToolTipWindow.h"
#include "tests/forms/print/PrintDialogFixture.h"

#include <sys/stat.h>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <climits>
#include <functional>
#include <tuple>

using namespace settings;
using platform::answer::kCancel;
using platform::answer::kOk;

namespace {

constexpr int kLeft = MarginPanel::kLeft;
constexpr int kRight = MarginPanel::kRight;
constexpr int kUp = MarginPanel::kUp;
constexpr int kDown = MarginPanel::kDown;
constexpr int kHorizontal = MarginPanel::kHorizontalText;
constexpr int kVertical = MarginPanel::kVerticalText;
constexpr int kDontShow = MarginPanel::kDontShow;
constexpr int kMarginHelpContext = 120;
constexpr int kNotWritten = 12061953;

const FormDefinition* const kForms[] = {&ATR_Form, &LZE848a_Form, &EUR1_Form, &UZ_Form};

// The values a form keeps for its margins, in the order its dialog writes them.
struct Margins {
    int dontShow = 0;
    int left1 = 0;
    int top1 = 0;
    int left2 = 0;
    int top2 = 0;
    friend bool operator==(const Margins&, const Margins&) = default;
};

QString textOf(QWidget& page, int id)
{
    return page.findChild<QLineEdit*>(QString::number(id))->text();
}

QCheckBox* dontShowBox(QWidget& page)
{
    return page.findChild<QCheckBox*>(QString::number(kDontShow));
}

class MarginDialogs : public PrintDialogFixture {
protected:
    void store(const FormDefinition& form, const Margins& m)
    {
        app.WriteProfileInt(kShowMarginDlg.in(form.fields.section), m.dontShow);
        app.WriteProfileInt(kLeftMargin1.in(form.fields.section), m.left1);
        app.WriteProfileInt(kTopMargin1.in(form.fields.section), m.top1);
        app.WriteProfileInt(kLeftMargin2.in(form.fields.section), m.left2);
        app.WriteProfileInt(kTopMargin2.in(form.fields.section), m.top2);
    }
    Margins stored(const FormDefinition& form, int missing = 0) const
    {
        return {app.GetProfileInt(form.fields.section, kShowMarginDlg.name, missing),
                app.GetProfileInt(form.fields.section, kLeftMargin1.name, missing),
                app.GetProfileInt(form.fields.section, kTopMargin1.name, missing),
                app.GetProfileInt(form.fields.section, kLeftMargin2.name, missing),
                app.GetProfileInt(form.fields.section, kTopMargin2.name, missing)};
    }

    // Runs the form's margin command with the person doing `work` in the dialog; the help context must be
    // the margin dialogs' while it is open and the application's again afterwards.
    int run(const FormDefinition& form, const std::function<void(QDialog&)>& work)
    {
        ui.script = [&](QDialog& dialog) {
            EXPECT_EQ(app.m_nHelpContext, kMarginHelpContext);
            work(dialog);
        };
        const int result = RunMarginDialog(app, form.fields.section, form.margins);
        EXPECT_EQ(app.m_nHelpContext, kAppHelpContext);
        return result;
    }

    static QWidget& currentPage(QDialog& dialog)
    {
        auto* tabs = dialog.findChild<QTabWidget*>();
        return tabs ? *tabs->currentWidget() : dialog;
    }
    static void showPage(QDialog& dialog, int index)
    {
        static_cast<platform::PropertySheet&>(dialog).setActivePage(index);
    }
};

}  // namespace

TEST_F(MarginDialogs, OpeningAndConfirmingStoresTheMarginsAsTheyPrint)
{
    // Margins set by hand beyond 20 mm print at 20 mm, so the dialog shows and stores them so.
    const struct {
        Margins stored;
        Margins confirmed;
    } values[] = {
        {{0, 15, -5, 0, 0}, {0, 15, -5, 0, 0}},
        {{1, 3, -4, -3, 4}, {1, 3, -4, -3, 4}},
        {{0, -200, 200, 195, -195}, {0, -200, 200, 195, -195}},
        {{0, -250, 1999999, 250, -19999999}, {0, -200, 200, 200, -200}},
        {{1, INT_MAX, INT_MIN, INT_MIN, INT_MAX}, {1, 200, -200, -200, 200}},
        {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
    };
    for (const FormDefinition* form : kForms) {
        for (const auto& [m, confirmed] : values) {
            store(*form, m);
            EXPECT_EQ(run(*form, [](QDialog& d) { click(d, platform::control::kOk); }), kOk);
            Margins expected = confirmed;
            // A form of one sheet set keeps its second set as it was.
            if (form->margins.sheets == 1)
                std::tie(expected.left2, expected.top2) = std::tie(m.left2, m.top2);
            EXPECT_EQ(stored(*form), expected) << form->margins.caption.toString().toStdString() << m.left1;
        }
    }
}

TEST_F(MarginDialogs, AnOkThatCannotBeStoredSaysWhyAndKeepsTheDialogOpen)
{
    const QString settingsFile = folder.filePath("HKEY_CURRENT_USER.reg");
    for (const FormDefinition* form : {&ATR_Form, &EUR1_Form}) {
        SCOPED_TRACE(form->margins.caption.toString().toStdString());
        ui.messageBoxes.clear();
        ASSERT_EQ(::mkfifo(QFile::encodeName(settingsFile).constData(), 0600), 0);
        const int result = run(*form, [&](QDialog& d) {
            click(currentPage(d), kRight);
            click(d, platform::control::kOk);
            EXPECT_TRUE(d.isVisible());
            ASSERT_EQ(ui.messageTexts().size(), 1);
            EXPECT_EQ(ui.messageTexts()[0].toStdString(),
                      QString::fromUtf8("Die Einstellungen konnten nicht gespeichert "
                                        "werden.\n\n%1: Dies ist keine gewöhnliche "
                                        "Datei.")
                          .arg(settingsFile)
                          .toStdString());
            QFile::remove(settingsFile);
            click(d, platform::control::kOk);
        });
        EXPECT_EQ(result, kOk);
        EXPECT_EQ(stored(*form).left1, 5);
        QFile::remove(settingsFile);
    }
}

TEST_F(MarginDialogs, TheFieldsShowTheStoredMargins)
{
    store(ATR_Form, {0, 15, -5});
    run(ATR_Form, [](QDialog& d) {
        EXPECT_EQ(textOf(d, kHorizontal), QString("1.5 mm nach rechts"));
        EXPECT_EQ(textOf(d, kVertical), QString("0.5 mm nach oben"));
        EXPECT_EQ(d.windowTitle(), QString("Ränder beim Ausdruck für A.TR."));
        d.reject();
    });
    store(UZ_Form, {0, 0, 0, -250, 35});
    run(UZ_Form, [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString("Ränder beim Ausdruck für Ursprungszeugnis"));
        EXPECT_EQ(textOf(currentPage(d), kHorizontal), QString("unverändert"));
        showPage(d, 1);
        EXPECT_EQ(textOf(currentPage(d), kHorizontal), QString("20.0 mm nach links"));
        EXPECT_EQ(textOf(currentPage(d), kVertical), QString("3.5 mm nach unten"));
        d.reject();
    });
}

TEST_F(MarginDialogs, ArrowsMoveTheMarkTheWayTheySayOnEveryPage)
{
    const struct {
        int start;
        int button;
        int presses;
        int end;
        const char* text;
    } moves[] = {
        {0, kRight, 4, 20, "2.0 mm nach rechts"},      {20, kLeft, 5, -5, "0.5 mm nach links"},
        {200, kRight, 1, 200, "20.0 mm nach rechts"},  {-250, kLeft, 1, -200, "20.0 mm nach links"},
        {-250, kRight, 1, -195, "19.5 mm nach links"}, {3, kLeft, 1, -2, "0.2 mm nach links"},
        {4, kLeft, 1, -1, "0.1 mm nach links"},
    };
    const auto press = [](QWidget& page, int button, int times) {
        for (int i = 0; i < times; ++i) click(page, button);
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.text);
        store(ATR_Form, {0, move.start, 0});
        run(ATR_Form, [&](QDialog& d) {
            press(d, move.button, move.presses);
            EXPECT_EQ(textOf(d, kHorizontal), QString(move.text));
            click(d, platform::control::kOk);
        });
        EXPECT_EQ(stored(ATR_Form).left1, move.end);

        // Page 2 of the sheet, vertically: "O" moves up like "L", "U" down like "R".
        store(EUR1_Form, {0, 0, 0, 0, move.start});
        const int vertical = move.button == kLeft ? kUp : kDown;
        run(EUR1_Form, [&](QDialog& d) {
            showPage(d, 1);
            press(currentPage(d), vertical, move.presses);
            click(d, platform::control::kOk);
        });
        EXPECT_EQ(stored(EUR1_Form).top2, move.end);
    }
}

TEST_F(MarginDialogs, TheCheckBoxChangedOnAnyPageIsWhatGetsStored)
{
    const struct {
        const char* name;
        std::function<void(QDialog&)> work;
    } cases[] = {
        {"back on page 1 after page 2",
         [](QDialog& d) {
             showPage(d, 1);
             showPage(d, 0);
             dontShowBox(currentPage(d))->click();
             click(d, platform::control::kOk);
         }},
        {"on page 2, OK there",
         [](QDialog& d) {
             showPage(d, 1);
             dontShowBox(currentPage(d))->click();
             click(d, platform::control::kOk);
         }},
        {"on page 1, then page 2 shows it",
         [](QDialog& d) {
             dontShowBox(currentPage(d))->click();
             showPage(d, 1);
             EXPECT_TRUE(dontShowBox(currentPage(d))->isChecked());
             click(d, platform::control::kOk);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        store(UZ_Form, {0, 10, 10, 20, 20});
        EXPECT_EQ(run(UZ_Form, c.work), kOk);
        EXPECT_EQ(stored(UZ_Form), (Margins{1, 10, 10, 20, 20}));
    }
}

TEST_F(MarginDialogs, TheOnePageCheckBoxKeepsItsStateWhenAnArrowIsPressed)
{
    run(LZE848a_Form, [](QDialog& d) {
        dontShowBox(d)->click();
        click(d, kDown);
        EXPECT_TRUE(dontShowBox(d)->isChecked());
        click(d, platform::control::kOk);
    });
    EXPECT_EQ(stored(LZE848a_Form), (Margins{1, 0, 5}));
}

TEST_F(MarginDialogs, CancelEscapeAndTheCloseBoxWriteNothing)
{
    const std::function<void(QDialog&)> ways[] = {
        [](QDialog& d) { click(d, platform::control::kCancel); },
        [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](QDialog& d) { d.close(); },
    };
    for (const FormDefinition* form : {&ATR_Form, &EUR1_Form}) {
        for (const auto& leave : ways) {
            const int result = run(*form, [&](QDialog& d) {
                click(currentPage(d), kRight);
                dontShowBox(currentPage(d))->click();
                leave(d);
            });
            EXPECT_EQ(result, kCancel);
            EXPECT_EQ(stored(*form, kNotWritten),
                      (Margins{kNotWritten, kNotWritten, kNotWritten, kNotWritten, kNotWritten}));
        }
    }
}

TEST_F(MarginDialogs, HelpShowsTheMarginTopicInBothDialogs)
{
    for (const FormDefinition* form : {&ATR_Form, &EUR1_Form}) {
        run(*form, [](QDialog& d) {
            click(d, platform::control::kHelp);
            d.reject();
        });
    }
    EXPECT_EQ(helpTopics, QList<int>({kMarginHelpContext, kMarginHelpContext}));
}

TEST_F(MarginDialogs, TheSheetShowsTwoPagesUnderTheirTitles)
{
    run(EUR1_Form, [](QDialog& d) {
        auto* tabs = d.findChild<QTabWidget*>();
        ASSERT_EQ(tabs->count(), 2);
        EXPECT_EQ(tabs->tabText(0), QString("  Vorderseite "));
        EXPECT_EQ(tabs->tabText(1), QString("  Rückseite Antrag "));
        EXPECT_EQ(d.windowTitle(), QString("Ränder beim Ausdruck für EUR.1"));
        d.reject();
    });
}

TEST_F(MarginDialogs, TheOnePageDialogSpeaksEnglishForLanguageOneOnly)
{
    const struct {
        int language;
        const char* unchanged;
        const char* cancel;
        const char* vertical;
    } languages[] = {{0, "unverändert", "Abbrechen", "vertikal"},
                     {1, "unchanged", "Abort", "vertical"},
                     {2, "unverändert", "Abbrechen", "vertikal"}};
    for (const auto& l : languages) {
        app.m_nLanguage = l.language;
        run(ATR_Form, [&](QDialog& d) {
            EXPECT_EQ(textOf(d, kHorizontal), QString(l.unchanged));
            EXPECT_EQ(d.findChild<QAbstractButton*>("2")->text(), QString(l.cancel));
            EXPECT_EQ(d.findChild<QLabel*>("21006")->text(), QString(l.vertical));
            d.reject();
        });
        // The pages keep their German texts.
        run(UZ_Form, [](QDialog& d) {
            EXPECT_EQ(textOf(currentPage(d), kVertical), QString("unverändert"));
            d.reject();
        });
    }
}

TEST_F(MarginDialogs, APageCountOutsideTwoToSixIsRefusedOnceAndTheSheetKeepsTwoPages)
{
    for (int count : {1, 7}) {
        ui.messageBoxes.clear();
        Common_DlgMargin02 sheet(0);
        sheet.SetPageCount(count);
        EXPECT_EQ(ui.messageTexts(), QStringList{"Dialog Ränder - Fehler, zu viele Seiten"});
        EXPECT_EQ(sheet.GetPageCount(), 2);
        ui.script = [](QDialog& d) {
            EXPECT_EQ(d.findChild<QTabWidget*>()->count(), 2);
            d.reject();
        };
        sheet.DoModal();
    }
}

TEST_F(MarginDialogs, PagesBeyondTheCountAnswerNothingAndTakeNothing)
{
    Common_DlgMargin02 sheet(0);
    sheet.SetHorizontal(3, 40);
    sheet.SetVertical(2, 15);
    EXPECT_EQ(sheet.GetHorizontal(3), 0);
    EXPECT_EQ(sheet.GetVertical(2), 15);
    sheet.SetPageCount(3);
    EXPECT_EQ(sheet.GetHorizontal(3), 0);
    sheet.SetHorizontal(3, 40);
    EXPECT_EQ(sheet.GetHorizontal(3), 40);
    EXPECT_EQ(sheet.GetHorizontal(7), 0);
}

namespace {

const platform::ToolTipWindow* hover(QWidget& dialog, int id)
{
    QWidget* control = dialog.findChild<QWidget*>(QString::number(id));
    QHelpEvent event(QEvent::ToolTip, QPoint(1, 1), control->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(control, &event);
    return dialog.findChild<platform::ToolTipWindow*>();
}

}  // namespace

TEST_F(MarginDialogs, TheOnePageDialogsTipsHaveTitleAndDescriptionWithoutSeparatorInItsLanguage)
{
    Common_DlgMargin01 dlg(0);
    dlg.show();
    const platform::ToolTipWindow* tip = hover(dlg, kLeft);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->title(), QString("Schaltfläche \"links\""));
    EXPECT_EQ(tip->description(), QString("Verschiebt die Druckmarkierung 0,5mm nach links"));
    EXPECT_FALSE(tip->tipLayout().separator);
    EXPECT_EQ(dlg.ToolTips().m_nTipCtrlId, kLeft);
    tip = hover(dlg, platform::control::kOk);
    EXPECT_EQ(tip->title(), QString("Schaltfläche \"OK\""));
    EXPECT_EQ(tip->description(), QString("Dialog beenden und alle Einstellungen sichern"));
    EXPECT_EQ(dlg.ToolTips().m_nTipCtrlId, platform::control::kOk);
    dlg.hide();

    Common_DlgMargin01 english(1);
    english.show();
    tip = hover(english, kVertical);
    EXPECT_EQ(tip->title(), QString("Actual value"));
    EXPECT_EQ(tip->description(), QString("The top margin will be changed with this value"));
    english.hide();
}

TEST_F(MarginDialogs, EveryPageShowsTipsWithTheOnePageTitlesAndASeparator)
{
    run(EUR1_Form, [](QDialog& d) {
        showPage(d, 1);
        const platform::ToolTipWindow* tip = hover(currentPage(d), kDontShow);
        ASSERT_NE(tip, nullptr);
        EXPECT_EQ(tip->title(), QString("Option"));
        EXPECT_EQ(tip->description(), QString("Verhindert diesen Dialog vor jedem Druckvorgang"));
        EXPECT_TRUE(tip->tipLayout().separator);
        EXPECT_LE(tip->tipLayout().description.width(), 200);
        for (int id : {kLeft, kRight, kUp, kDown, kHorizontal, kVertical}) {
            EXPECT_FALSE(hover(currentPage(d), id)->title().isEmpty()) << id;
        }
        d.reject();
    });
}
