#include "forms/print/CDlgDrucken.h"

#include "forms/atr/ATR_Form.h"
#include "forms/eur1/EUR1_Form.h"
#include "forms/lze848a/LZE848a_Form.h"
#include "forms/uz/UZ_Form.h"

#include "tests/forms/print/PrintDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <functional>

using namespace settings;
using platform::answer::kCancel;
using platform::answer::kOk;

namespace {

constexpr int kCopies = 1003;
constexpr int kPrinterName = 1009;
constexpr int kSheetList = 1010;
constexpr int kAlwaysThisPrinter = 1015;
constexpr int kPrinterChoice = 1016;

const JobPrinter kPortrait{"Büro-Laser", QSize(4760, 6810)};
const JobPrinter kLandscape{"Plotter", QSize(6810, 4760)};

struct FormCase {
    const FormDefinition* form;
    const char* title;
    QStringList sheets;
    bool listShown;
    int helpContext;
};

const FormCase kForms[] = {
    {&EUR1_Form,
     "EUR.1 Dokument drucken",
     {"EUR.1 Vorderseite", "EUR.1 Antrag - Vorderseite", "EUR.1 Antrag - Rückseite"},
     true,
     121},
    {&UZ_Form,
     "UZ Dokument drucken",
     {"UZ Original", "UZ Antrag Vorderseite", "UZ Antrag Rückseite", "UZ Kopie von Original"},
     true,
     123},
    {&ATR_Form, "A.TR. Dokument drucken", {"A.TR. Vorderseite"}, false, 122},
    {&LZE848a_Form, "Langzeit-Lieferantenerklärung drucken", {"Langzeitlief.-Erklärung"}, false, 124},
};

QStringList itemsOf(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items.append(list->itemText(i));
    return items;
}

class PrintDialog : public PrintDialogFixture {
protected:
    // Runs the dialog for the form with the person doing `work`; the help context must be the form's while
    // it is open and the application's again afterwards.
    int run(CDlgDrucken& dlg, const std::function<void(CDlgDrucken&)>& work)
    {
        ui.script = [&](QDialog&) { work(dlg); };
        const int result = dlg.doModal();
        EXPECT_EQ(app.m_nHelpContext, kAppHelpContext);
        return result;
    }
};

}  // namespace

TEST_F(PrintDialog, EachFormOffersItsSheetsUnderItsTitleAndHelpTopic)
{
    for (const FormCase& form : kForms) {
        SCOPED_TRACE(form.title);
        CDlgDrucken dlg(app, form.form->print.dialog, form.form->fields.section, kPortrait);
        const int result = run(dlg, [&](CDlgDrucken& d) {
            EXPECT_EQ(d.windowTitle(), QString(form.title));
            auto* list = d.itemAs<QComboBox>(kSheetList);
            EXPECT_EQ(itemsOf(list), form.sheets);
            EXPECT_EQ(list->currentIndex(), 0);
            EXPECT_EQ(list->isVisible(), form.listShown);
            EXPECT_EQ(list->isEnabled(), form.listShown);
            EXPECT_EQ(app.m_nHelpContext, form.helpContext);
            click(d.item(platform::control::kHelp));
            list->setCurrentIndex(list->count() - 1);
            click(d.item(platform::control::kOk));
        });
        EXPECT_EQ(result, kOk);
        EXPECT_EQ(dlg.m_nSheet, form.sheets.size());
        EXPECT_EQ(dlg.m_nCopies, 1u);
        EXPECT_EQ(helpTopics.takeLast(), form.helpContext);
    }
}

TEST_F(PrintDialog, ThePageOrientationShowsAsSheetAndSign)
{
    const struct {
        JobPrinter printer;
        int portrait;
        QList<int> shown;
        QList<int> hidden;
    } cases[] = {{kPortrait, 1, {1012, 1014}, {1011, 1013}}, {kLandscape, 0, {1011, 1013}, {1012, 1014}}};
    for (const auto& c : cases) {
        CDlgDrucken dlg(app, EUR1_Form.print.dialog, EUR1_Form.fields.section, c.printer);
        run(dlg, [&](CDlgDrucken& d) {
            const auto visible = [&d](int id) {
                const QWidget* control = d.item(id);
                return control && control->isVisible();
            };
            for (int id : c.shown) EXPECT_TRUE(visible(id)) << id;
            for (int id : c.hidden) EXPECT_FALSE(visible(id)) << id;
            EXPECT_EQ(d.itemAs<QLabel>(kPrinterName)->text(), c.printer.deviceName);
            d.reject();
        });
        EXPECT_EQ(dlg.m_bPortrait, c.portrait);
    }
}

TEST_F(PrintDialog, CopiesMustBeAnUnsignedWholeNumber)
{
    CDlgDrucken dlg(app, UZ_Form.print.dialog, UZ_Form.fields.section, kPortrait);
    const int result = run(dlg, [](CDlgDrucken& d) {
        auto* copies = d.itemAs<QLineEdit>(kCopies);
        EXPECT_EQ(copies->text(), QString("1"));
        for (const char* refused : {"abc", "-2", "", "2.5"}) {
            copies->setText(refused);
            click(d.item(platform::control::kOk));
            EXPECT_TRUE(d.isVisible()) << refused;
            EXPECT_EQ(d.focusWidget(), copies);
        }
        copies->setText("3");
        QTest::keyClick(copies, Qt::Key_Return);
    });
    EXPECT_EQ(result, kOk);
    EXPECT_EQ(dlg.m_nCopies, 3u);
    EXPECT_EQ(ui.messageTexts(), QStringList(4, "Geben Sie eine positive ganze Zahl ein."));
}

TEST_F(PrintDialog, OkGivesThePrinterAndTheCheckBox)
{
    // A name too long for the dialog is shown cut short, and given whole.
    const QString longName =
        "Plotter_im_Versand_Erdgeschoss_hinter_der_Rampe_fuer_Ausfuhrpapiere_und_Etiketten";
    CDlgDrucken dlg(app, ATR_Form.print.dialog, ATR_Form.fields.section,
                    {longName, kLandscape.printableArea});
    run(dlg, [](CDlgDrucken& d) {
        d.itemAs<QCheckBox>(kAlwaysThisPrinter)->click();
        d.itemAs<QLineEdit>(kCopies)->setText("250");
        click(d.item(platform::control::kOk));
    });
    EXPECT_EQ(dlg.m_strPrinterName, longName);
    EXPECT_EQ(dlg.m_bAlwaysThisPrinter, 1);
    EXPECT_EQ(dlg.m_nCopies, 250u);
    EXPECT_EQ(dlg.m_nSheet, 1);
    EXPECT_EQ(dlg.m_bPrinterChoice, 0);
}

TEST_F(PrintDialog, PrinterChoiceEndsLikeACancelAndSaysSo)
{
    CDlgDrucken dlg(app, LZE848a_Form.print.dialog, LZE848a_Form.fields.section, kPortrait);
    EXPECT_EQ(run(dlg, [](CDlgDrucken& d) { click(d.item(kPrinterChoice)); }), kCancel);
    EXPECT_EQ(dlg.m_bPrinterChoice, 1);
}

TEST_F(PrintDialog, CancelEscapeAndTheCloseBoxEndWithoutAPrinterChoice)
{
    const std::function<void(CDlgDrucken&)> ways[] = {
        [](CDlgDrucken& d) { click(d.item(platform::control::kCancel)); },
        [](CDlgDrucken& d) { QTest::keyClick(d.item(kCopies), Qt::Key_Escape); },
        [](CDlgDrucken& d) { d.close(); },
    };
    for (const auto& leave : ways) {
        CDlgDrucken dlg(app, EUR1_Form.print.dialog, EUR1_Form.fields.section, kPortrait);
        EXPECT_EQ(run(dlg, leave), kCancel);
        EXPECT_EQ(dlg.m_bPrinterChoice, 0);
    }
}

TEST_F(PrintDialog, TheSavedPrinterIsUsedAgainOnlyWhenReUsePrnIsOne)
{
    const struct {
        const char* printer;  // null: not stored
        int reuse;
        std::optional<QString> saved;
    } cases[] = {
        {"Lager-Laser", 1, QString("Lager-Laser")},
        {"Lager-Laser", 0, std::nullopt},
        {"Lager-Laser", 2, std::nullopt},
        {"@", 1, std::nullopt},
        {nullptr, 1, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printer ? c.printer : "none");
        app.DeleteKey(kEUR1Section);
        if (c.printer) app.WriteProfileString(kPrinter.in(kEUR1Section), QString(c.printer));
        app.WriteProfileInt(kReUsePrn.in(kEUR1Section), c.reuse);
        EXPECT_EQ(CDlgDrucken::SavedPrinter(app, EUR1_Form.fields.section), c.saved);
        // Another form's settings play no part.
        EXPECT_EQ(CDlgDrucken::SavedPrinter(app, UZ_Form.fields.section), std::nullopt);

        CDlgDrucken dlg(app, EUR1_Form.print.dialog, EUR1_Form.fields.section,
                        {c.saved.value_or("Standard"), QSize(1, 2)});
        run(dlg, [&](CDlgDrucken& d) {
            EXPECT_EQ(d.itemAs<QCheckBox>(kAlwaysThisPrinter)->isChecked(), c.saved.has_value());
            EXPECT_EQ(d.itemAs<QLabel>(kPrinterName)->text(), c.saved.value_or("Standard"));
            d.reject();
        });
    }
}

TEST(JobPrinter, APrinterPageHigherThanWideIsPortrait)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    EXPECT_TRUE(JobPrinter::Of(printer).IsPortrait());
    printer.setPageOrientation(QPageLayout::Landscape);
    EXPECT_FALSE(JobPrinter::Of(printer).IsPortrait());
}
