// The dialogs that keep settings of the forms (the defaults of each form, the advanced print positions, the
// printer font sizes, the print area), each run the way its command runs it and worked as a person would.
#include "app/HelpContextIds.h"
#include "forms/FormTemplates.h"
#include "forms/atr/CDlgAdvMarginsATR.h"
#include "forms/atr/CDlgDefaults_ATR.h"
#include "forms/common/DetachedForm.h"
#include "forms/eur1/CDlgAdvMarginsEUR.h"
#include "forms/eur1/CDlgDefaults_EUR.h"
#include "forms/print/CDlgPrinterFontSize.h"
#include "forms/print/Common_CDlgPrintSizeCorr.h"
#include "forms/uz/CDlgDefaults_UZ.h"
#include "forms/uz/CDlgEditXPos_UZ.h"
#include "platform/clock/Clock.h"
#include "platform/command/Resources.h"
#include "platform/dialog/ToolTipWindow.h"
#include "tests/forms/print/PrintDialogFixture.h"
#include "tests/support/TestFiles.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <functional>

using namespace settings;
using platform::answer::kOk;
using platform::control::kCancel;
using Work = std::function<void(QDialog&)>;

namespace {

QWidget* item(QDialog& dialog, int id)
{
    return dialog.findChild<QWidget*>(QString::number(id));
}

// Types into an edit field as a person would, replacing what it holds; "\n" is the Enter key.
void type(QDialog& dialog, int id, const QString& text)
{
    QWidget* edit = item(dialog, id);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, lines[i]);
    }
}

void press(QDialog& dialog, int id, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i) QTest::keyClick(item(dialog, id), key);
}

void click(QDialog& dialog, int id)
{
    QTest::mouseClick(item(dialog, id), Qt::LeftButton, {}, QPoint(5, 5));
}

QString shown(QDialog& dialog, int id)
{
    return dialog.findChild<QLineEdit*>(QString::number(id))->text();
}

// A dialog, what a person changes in it, and every value its OK stores then; a text value is given as
// "'text".
struct DialogCase {
    const char* name;
    int (*run)(CQELWinAppEx&);
    int helpContext;
    Work change;
    QList<std::pair<ValueName, QString>> stored;
};

// clang-format off
const DialogCase kATRDefaults{"A.TR. defaults", RunFormDefaultsATR, HelpContextIds::kDefaultsATR,
    [](QDialog& d) { type(d, 1004, "Turkiye"); type(d, 1006, "Hamburg"); click(d, 1017); },
    {{kAutodatum.in(kATRSection), "1"}, {kNoPrintBNase.in(kATRSection), "0"}, {kExporteur.in(kATRSection), "'"},
     {kUrsprungsland.in(kATRSection), "'Turkiye"}, {kTransport.in(kATRSection), "'"},
     {kStadt.in(kATRSection), "'Hamburg"}}};
const DialogCase kEURDefaults{"EUR.1 defaults", RunFormDefaultsEUR, HelpContextIds::kDefaultsEUR1,
    [](QDialog& d) { type(d, 1005, "LKW"); click(d, 1018); },
    {{kAutodatum.in(kEUR1Section), "0"}, {kNoPrintBNase.in(kEUR1Section), "1"}, {kExporteur.in(kEUR1Section), "'"},
     {kUrsprungsland.in(kEUR1Section), "'"}, {kTransport.in(kEUR1Section), "'LKW"}, {kStadt.in(kEUR1Section), "'"}}};
const DialogCase kUZDefaults{"certificate of origin defaults", RunFormDefaultsUZ, HelpContextIds::kDefaultsUZ,
    [](QDialog& d) { click(d, 1018); },
    {{kAutodatum.in(kUZSection), "0"}, {kU08_HH, "1"}, {kNoPrintBNase.in(kUZSection), "0"},
     {kExporteur.in(kUZSection), "'"}, {kUrsprungsland.in(kUZSection), "'"}, {kTransport.in(kUZSection), "'"},
     {kStadt.in(kUZSection), "'"}}};
const DialogCase kATRPositions{"A.TR. print positions", RunAdvMarginsATR, HelpContextIds::kAdvancedPositionsATR,
    [](QDialog& d) { type(d, 1004, "-5"); press(d, 1005, Qt::Key_Up); },
    {{kATRField12HorCorr, "0"}, {kATRField12VertCorr, "-5"}, {kATRField13HorCorr, "1"}, {kATRField13VertCorr, "0"}}};
const DialogCase kEURPositions{"EUR.1 print positions", RunAdvMarginsEUR, HelpContextIds::kAdvancedPositionsEUR1,
    [](QDialog& d) { type(d, 1003, " 12"); },
    {{kEUR1Field11HorCorr, "12"}, {kEUR1Field11VertCorr, "0"}, {kEUR1Field12HorCorr, "0"},
     {kEUR1Field12VertCorr, "0"}}};
const DialogCase kFontSizes{"printer font sizes", RunPrinterFontSize, HelpContextIds::kPrinterFontSize,
    [](QDialog& d) { press(d, 1033, Qt::Key_Up); press(d, 1035, Qt::Key_Down, 2); },
    {{kPrinterFontFactor.in(kEUR1Section), "95"}, {kPrinterFontFactor.in(kATRSection), "96"},
     {kPrinterFontFactor.in(kUZSection), "95"}, {kPrinterFontFactor.in(kLZE2Section), "93"},
     {kPrinterFontFactor.in(kLZE1Section), "93"}}};
// The print area keeps the help topic of the screen behind it.
const DialogCase kPrintArea{"print area", RunPrintSizeCorrection, HelpContextIds::kContents,
    [](QDialog& d) { type(d, 21147, "99.7"); type(d, 21148, "101.1"); },
    {{kPrnFactorV, "997"}, {kPrnFactorH, "1011"}}};
// The arrows of the crosses stop at their range's end.
const DialogCase kCrosses{"crosses", [](CQELWinAppEx& app) { return RunEditXPosUZ(app); },
    HelpContextIds::kCrossPositions,
    [](QDialog& d) { type(d, 1023, "-12"); type(d, 1024, "199"); press(d, 1024, Qt::Key_Up, 2); click(d, 1017); },
    {{kNoPrint_X, "1"}, {kTop_X1Pos, "-12"}, {kLeft_X1Pos, "0"}, {kTop_X2Pos, "0"}, {kLeft_X2Pos, "200"}}};
// clang-format on

const DialogCase* const kDialogs[] = {&kATRDefaults,  &kEURDefaults, &kUZDefaults, &kATRPositions,
                                      &kEURPositions, &kFontSizes,   &kPrintArea,  &kCrosses};

class SettingsDialogs : public PrintDialogFixture {
protected:
    QByteArray settingsFile() const { return contentsOf(folder.filePath("HKEY_CURRENT_USER.reg")); }
    // What the settings file holds for the value, in the form of DialogCase::stored; "-" when nothing.
    QString stored(const ValueName& name, const QString& like) const
    {
        if (like.startsWith(u'\'')) return u'\'' + app.GetProfileString(name.section, name.name, u"-");
        const int missing = INT_MIN;
        const int value = app.GetProfileInt(name.section, name.name, missing);
        return value == missing ? QStringLiteral("-") : QString::number(value);
    }

    // Runs the dialog with the person doing `work`; the dialog's help topic stands while it is open, the
    // application's again afterwards.
    int run(const DialogCase& c, const Work& work)
    {
        ui.script = [&](QDialog& dialog) {
            EXPECT_EQ(app.m_nHelpContext, c.helpContext);
            work(dialog);
        };
        const int result = c.run(app);
        EXPECT_EQ(app.m_nHelpContext, kAppHelpContext);
        return result;
    }
};

}  // namespace

TEST_F(SettingsDialogs, OkStoresExactlyTheDialogsValuesAndCancelEscapeOrTheCloseBoxNothing)
{
    const std::pair<const char*, Work> waysOut[] = {
        {"Abbrechen", [](QDialog& d) { click(d, kCancel); }},
        {"Escape", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"close box", [](QDialog& d) { d.close(); }},
    };
    for (const DialogCase* c : kDialogs) {
        SCOPED_TRACE(c->name);
        for (const auto& [way, leave] : waysOut) {
            const QByteArray before = settingsFile();
            EXPECT_NE(run(*c, [&](QDialog& d) { c->change(d), leave(d); }), kOk);
            EXPECT_EQ(settingsFile(), before) << way;
        }
        const qsizetype valuesBefore = settingsFile().count("\n\"");
        EXPECT_EQ(run(*c, [&](QDialog& d) { c->change(d), click(d, platform::control::kOk); }), kOk);
        for (const auto& [name, value] : c->stored)
            EXPECT_EQ(stored(name, value), value) << name.name.toString().toStdString();
        EXPECT_EQ(settingsFile().count("\n\"") - valuesBefore, c->stored.size());
    }
    EXPECT_TRUE(ui.messageBoxes.isEmpty());
}

TEST_F(SettingsDialogs, ARefusedEntryIsNamedKeepsTheDialogOpenAndStoresNothing)
{
    const struct {
        const DialogCase& dialog;
        int edit;
        const char* typed;
        const char* message;
    } refusals[] = {
        {kATRPositions, 1005, "100", "Geben Sie eine ganze Zahl zwischen -99 und 99 ein."},
        {kEURPositions, 1003, "abc", "Geben Sie eine ganze Zahl ein."},
        {kATRPositions, 1006, "", "Geben Sie eine ganze Zahl ein."},
        {kPrintArea, 21147, "99,5", "Geben Sie eine Zahl ein."},
        {kPrintArea, 21148, "nan", "Geben Sie eine Zahl ein."},
        {kPrintArea, 21147, "inf", "Geben Sie eine Zahl ein."},
        {kPrintArea, 21148, "", "Geben Sie eine Zahl ein."},
        {kPrintArea, 21147, "103.5", "Geben Sie eine Zahl zwischen 97 und 103 ein."},
        {kCrosses, 1025, "101", "Geben Sie eine ganze Zahl zwischen -100 und 100 ein."},
        {kCrosses, 1022, "-201", "Geben Sie eine ganze Zahl zwischen -200 und 200 ein."},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.typed);
        ui.messageBoxes.clear();
        const QByteArray before = settingsFile();
        EXPECT_EQ(run(refusal.dialog,
                      [&](QDialog& d) {
                          type(d, refusal.edit, refusal.typed);
                          click(d, platform::control::kOk);
                          EXPECT_EQ(d.focusWidget(), item(d, refusal.edit));
                          EXPECT_EQ(app.m_nHelpContext, refusal.dialog.helpContext);
                      }),
                  ScriptedUi::kStillOpen);
        EXPECT_EQ(ui.messageTexts(), QStringList{refusal.message});
        EXPECT_EQ(settingsFile(), before);
    }
}

TEST_F(SettingsDialogs, TheDialogsShowTheStoredValuesAsPrintingUsesThem)
{
    const auto shows = [&](const DialogCase& c, const QList<std::pair<int, QString>>& texts) {
        run(c, [&](QDialog& d) {
            for (const auto& [id, text] : texts) EXPECT_EQ(shown(d, id), text) << c.name << id;
            d.reject();
        });
    };
    shows(kPrintArea, {{21147, "100"}, {21148, "100"}});
    shows(kCrosses, {{1023, "0"}, {1022, "0"}, {1025, "0"}, {1024, "0"}});
    // Values outside their dialogs' ranges print held to them, and show so.
    app.WriteProfileInt(kPrinterFontFactor.in(kATRSection), 200);
    app.WriteProfileInt(kPrinterFontFactor.in(kLZE2Section), 10);
    app.WriteProfileInt(kPrnFactorV, 1100);
    app.WriteProfileInt(kPrnFactorH, 995);
    app.WriteProfileInt(kATRField13VertCorr, 150);
    app.WriteProfileInt(kEUR1Field11HorCorr, -1000);
    app.WriteProfileInt(kAutodatum.in(kATRSection), 2);
    app.WriteProfileInt(kTop_X1Pos, 150);
    app.WriteProfileInt(kLeft_X2Pos, -999);
    shows(kFontSizes, {{1033, "150"}, {1035, "50"}});
    shows(kPrintArea, {{21147, "103"}, {21148, "99.5"}});
    shows(kATRPositions, {{1005, "0"}, {1006, "99"}});
    shows(kEURPositions, {{1003, "-99"}, {1004, "0"}});
    shows(kCrosses, {{1023, "100"}, {1024, "-200"}});
    run(kATRDefaults, [](QDialog& d) {
        EXPECT_TRUE(qobject_cast<QCheckBox*>(item(d, 1017))->isChecked());
        click(d, platform::control::kOk);
    });
    EXPECT_EQ(app.GetProfileInt(kAutodatum.in(kATRSection)), 1);
}

TEST_F(SettingsDialogs, ANewFormStartsWithTheDefaultsJustStoredLineBreaksAndDateIncluded)
{
    const std::vector<platform::DocTemplate> templates = CreateFormTemplates(app);
    const struct {
        const DialogCase& dialog;
        std::size_t templateIndex;
        std::uint16_t exporter;
        std::uint16_t date;
    } forms[] = {{kATRDefaults, 1, 0, 19}, {kEURDefaults, 0, 0, 19}, {kUZDefaults, 2, 1, 9}};
    for (const auto& form : forms) {
        SCOPED_TRACE(form.dialog.name);
        ASSERT_EQ(run(form.dialog,
                      [](QDialog& d) {
                          type(d, 1003, "A\nB");
                          type(d, 1006, "Bremen");
                          click(d, 1017);
                          click(d, platform::control::kOk);
                      }),
                  kOk);
        EXPECT_EQ(stored(kExporteur.in(form.dialog.stored[0].first.section), "'"), QString("'A\r\nB"));
        DetachedForm created = DetachedForm::Create(templates.at(form.templateIndex));
        created.doc->OnNewDocument();
        EXPECT_EQ(created.editor().GetFieldText(form.exporter, 1), QString("A\r\nB"));
        EXPECT_EQ(created.editor().GetFieldText(form.date, 1),
                  FormDocument::DateText("Bremen", platform::Clock::now().date()));
    }
}

TEST_F(SettingsDialogs, TheTipsComeFromTheStringTableAndThePrintAreaSpeaksEnglishWithLanguageOne)
{
    platform::Resources resources;
    ASSERT_TRUE(resources.load(":/res"));
    platform::Resources::setApplication(&resources);
    // An up-down control has the title of its edit field.
    const struct {
        const DialogCase& dialog;
        int control;
        const char* title;
        int description;
    } tips[] = {{kUZDefaults, 1035, "Vorgabe für \"Buchhalternase\"", 1053},
                {kCrosses, 1029, "Horizontale Position des rechten Kreuzes im Feld 8", 1062}};
    for (const auto& tip : tips) {
        run(tip.dialog, [&](QDialog& d) {
            QWidget* control = item(d, tip.control);
            QHelpEvent event(QEvent::ToolTip, QPoint(1, 1), control->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(control, &event);
            const auto* window = d.findChild<platform::ToolTipWindow*>();
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(window->title(), QString(tip.title));
            EXPECT_EQ(window->description(), resources.string(tip.description));
            d.reject();
        });
    }
    platform::Resources::setApplication(nullptr);

    app.m_nLanguage = 1;
    run(kPrintArea, [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString("Print Area Correction"));
        EXPECT_EQ(qobject_cast<QAbstractButton*>(item(d, kCancel))->text(), QString("Abort"));
        d.reject();
    });
}
