// Printing from the program's window: Ctrl+P on an open A.TR. runs the margin dialog, the print dialog and
// the job, with the test answering every dialog, and the job goes into a PDF file so that its pages can be
// read back.

#include "forms/common/FormPrintJob.h"
#include "forms/common/FormPrinting.h"
#include "platform/dialog/StoreOnOk.h"
#include "platform/print/PrinterCatalog.h"
#include "tests/forms/ATRPrintedPlaces.h"
#include "tests/forms/ProgramPrinting.h"
#include "tests/support/TestFiles.h"

#include <sys/stat.h>
#include <QPdfWriter>
#include <QPrinter>
#include <QSet>

using namespace settings;

namespace {

const QString kJobNotStarted = "Der Druckauftrag konnte nicht gestartet werden.";

// The program's printer prints into a PDF file, and the printers the system knows are two made-up ones.
class PrintFromTheWindow : public ProgramPrinting {
protected:
    void SetUp() override
    {
        if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
        platform::PrinterCatalog::setPrinters({{"Büro", "Lager"}, "Büro"});
        ProgramPrinting::SetUp();
    }
    void TearDown() override
    {
        ProgramPrinting::TearDown();
        platform::PrinterCatalog::useSystemPrinters();
    }

    void start()
    {
        startProgram();
        if (app) app->m_printer.printer().setOutputFileName(pdf);
    }
    void print(QList<Answer> dialogAnswers)
    {
        QFile::remove(pdf);
        pressPrint(std::move(dialogAnswers));
    }

    // The pages that carry the exporter of box 1.
    QSet<int> pagesWithTheExporter()
    {
        QSet<int> pages;
        for (const PdfWord& word : pdfWords(pdf))
            if (word.text == "Brandel") pages.insert(word.page);
        return pages;
    }

    QString pdf = dir.filePath("job.pdf");
};

// A PDF that takes `pages` pages and cannot start another one.
class PagesRunOut : public QPdfWriter {
public:
    PagesRunOut(const QString& file, int pages) : QPdfWriter(file), m_pagesLeft(pages - 1) {}
    bool newPage() override { return m_pagesLeft-- > 0 && QPdfWriter::newPage(); }

private:
    int m_pagesLeft;
};

}  // namespace

TEST_F(PrintFromTheWindow, APageThatCannotBeStartedEndsTheJobAsFailedAfterThePagesBefore)
{
    CQELWinAppEx owner(dir.filePath("registry"));
    const std::vector<platform::DocTemplate> templates = CreateFormTemplates(owner);
    DetachedForm atr = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, form));
    ASSERT_TRUE(atr.doc->OnOpenDocument(form));
    const std::unique_ptr<FormPrinting> printing = atr.doc->definition().createPrinting(owner, *atr.doc);
    const struct {
        int copies;
        int pagesTheDeviceTakes;
        bool printed;
        int pages;
    } rows[] = {{1, 1, true, 1}, {3, 3, true, 3}, {3, 2, false, 2}, {3, 1, false, 1}};
    for (const auto& [copies, pagesTheDeviceTakes, printed, pages] : rows) {
        SCOPED_TRACE(copies * 10 + pagesTheDeviceTakes);
        {
            PagesRunOut device(pdf, pagesTheDeviceTakes);
            EXPECT_EQ(FormPrintJob(owner, *atr.doc, *printing).Print(device, 1, copies), printed);
        }
        EXPECT_EQ(pdfPageCount(pdf), pages);
        EXPECT_EQ(pagesWithTheExporter().size(), pages);
    }
}

TEST_F(PrintFromTheWindow, EachCopyIsAPageWithTheSheetOnceAtLeastAndNinetyNineTimesAtMost)
{
    start();
    struct Case {
        QString copies;
        int pages;
    };
    for (const Case& c : {Case{"3", 3}, Case{"1", 1}, Case{"0", 1}, Case{"250", 99}}) {
        SCOPED_TRACE(c.copies.toStdString());
        print({ok(), printCopies(c.copies)});
        EXPECT_EQ(shown, QStringList({"margins", "print"}));
        EXPECT_EQ(pdfPageCount(pdf), c.pages);
        QSet<int> every;
        for (int page = 1; page <= c.pages; ++page) every.insert(page);
        EXPECT_EQ(pagesWithTheExporter(), every);
    }
}

TEST_F(PrintFromTheWindow, TheJobPrintsFromTheSheetsCornerUnderTheFormsName)
{
    // The program's own printer with nothing set but the file it prints into: whatever page margins Qt keeps
    // for it, the printable area of a PDF is the whole sheet.
    for (const QPoint margins : {QPoint(0, 0), QPoint(15, -5)}) {
        SCOPED_TRACE(margins.x());
        ints = {{kShowMarginDlg.in(kATRSection), 1},
                {kLeftMargin1.in(kATRSection), margins.x()},
                {kTopMargin1.in(kATRSection), margins.y()}};
        start();
        print({ok()});
        expectExporterInBoxOne(pdf, margins);
        expectReferenceMarks(pdf, QDir(dir.path()), margins);
        EXPECT_EQ(pdfTitle(pdf), "lieferung.fma");
    }
}

TEST_F(PrintFromTheWindow, TheMarginDialogComesFirstAndCancellingItStillPrints)
{
    ints = {{kLeftMargin1.in(kATRSection), 15}};
    start();
    print({cancel(), ok()});
    EXPECT_EQ(shown, QStringList({"margins", "print"}));
    EXPECT_EQ(helpContexts.first(), 120);
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_EQ(atr(kLeftMargin1), 15);
}

TEST_F(PrintFromTheWindow, PrinterChoiceRunsTheSetUpAndTheMarginsAgainThenAFreshPrintRun)
{
    struct Case {
        int showMarginDlg;
        QStringList dialogs;
    };
    for (const Case& c : {Case{0, {"margins", "print", "set-up", "margins", "print"}},
                          Case{1, {"print", "set-up", "print"}}}) {
        SCOPED_TRACE(c.showMarginDlg);
        ints = {{kShowMarginDlg.in(kATRSection), c.showMarginDlg}};
        start();
        QList<Answer> script = {choosePrinter(), closeSetUp(), printCopies("2")};
        if (c.showMarginDlg != 1) {
            script.insert(2, ok());
            script.prepend(ok());
        }
        print(script);
        EXPECT_EQ(shown, c.dialogs);
        EXPECT_EQ(pdfPageCount(pdf), 2);
    }
}

TEST_F(PrintFromTheWindow, PrinterChoiceForgetsTheFormsPrinterAndTheSetUpRunsUnderHelpContext201)
{
    texts = {{kPrinter.in(kATRSection), "Lager"}};
    ints = {{kReUsePrn.in(kATRSection), 1}, {kShowMarginDlg.in(kATRSection), 1}};
    start();
    const int formHelpContext = app->m_nHelpContext;
    print({choosePrinter(), closeSetUp(), ok()});
    ASSERT_EQ(shown, QStringList({"print", "set-up", "print"}));
    EXPECT_EQ(helpContexts[1], 201);
    EXPECT_EQ(app->m_nHelpContext, formHelpContext);
    // The first dialog came with the form's printer and the box on; after the cancelled set-up the printer is
    // still the application's printer, and the form no longer keeps it.
    EXPECT_TRUE(seen[0].alwaysThisPrinter);
    EXPECT_EQ(seen[0].applicationPrinter, "Lager");
    EXPECT_FALSE(seen[1].alwaysThisPrinter);
    EXPECT_EQ(seen[1].applicationPrinter, "Lager");
    EXPECT_EQ(atr(kPrinter), "@");
    EXPECT_EQ(atr(kReUsePrn), 0);
    EXPECT_EQ(pdfPageCount(pdf), 1);
}

// A printer the form cannot forget after "Druckerauswahl" is told, and the form keeps it.
TEST_F(PrintFromTheWindow, PrinterChoiceThatCannotBeStoredIsToldAndTheFormKeepsItsPrinter)
{
    texts = {{kPrinter.in(kATRSection), "Lager"}};
    ints = {{kReUsePrn.in(kATRSection), 1}, {kShowMarginDlg.in(kATRSection), 1}};
    start();
    const QString file = dir.filePath("registry/HKEY_CURRENT_USER.reg");
    const QByteArray settings = contentsOf(file);
    const Answer breakSettings = [&](QDialog& setUp) {
        QFile::remove(file);
        ::mkfifo(QFile::encodeName(file).constData(), 0600);
        setUp.reject();
    };
    // While the settings cannot be read the margin dialog shows; there they come back.
    const Answer settingsBack = [&](QDialog& margins) {
        QFile::remove(file);
        writeFile(file, settings);
        margins.reject();
    };
    print({choosePrinter(), breakSettings, settingsBack, cancel()});
    EXPECT_EQ(shown, QStringList({"print", "set-up", "margins", "print"}));
    EXPECT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages.value(0).startsWith(platform::kSettingsNotStoredMessage));
    EXPECT_EQ(atr(kPrinter), "Lager");
}

TEST_F(PrintFromTheWindow, TheFormsPrinterIsTakenOnlyWhenItIsKeptForReUse)
{
    struct Case {
        QString printer;
        int reUse;
        bool boxOn;
        QString jobPrinter;
        QStringList messages;
    };
    const Case cases[] = {
        {"Lager", 1, true, "Lager", {}},
        {"Lager", 0, false, "Büro", {}},
        {"@", 1, false, "Büro", {}},
        {"", 1, false, "Büro", {}},  // an empty name is no printer, not one that cannot be found
        {"Verschwunden",
         1,
         true,
         "Büro",
         {"Der Drucker Verschwunden konnte nicht gefunden werden.\nEs wird der Standarddrucker verwendet."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printer.toStdString() + " " + std::to_string(c.reUse));
        texts = {{kPrinter.in(kATRSection), c.printer}};
        ints = {{kReUsePrn.in(kATRSection), c.reUse}, {kShowMarginDlg.in(kATRSection), 1}};
        start();
        seen.clear();
        ui.messages.clear();
        print({cancel()});
        ASSERT_EQ(seen.size(), 1);
        EXPECT_EQ(seen[0].alwaysThisPrinter, c.boxOn);
        EXPECT_EQ(seen[0].applicationPrinter, c.jobPrinter);
        EXPECT_EQ(ui.messages, c.messages);
    }
}

TEST_F(PrintFromTheWindow, OkKeepsTheShownPrinterForThisFormOnlyWhileTheBoxIsOn)
{
    texts = {{kPrinter.in(kATRSection), "Lager"}, {kPrinter.in(kEUR1Section), "Lager"}};
    ints = {
        {kReUsePrn.in(kATRSection), 1}, {kReUsePrn.in(kEUR1Section), 1}, {kShowMarginDlg.in(kATRSection), 1}};
    start();
    print({printCopies("1", false)});
    EXPECT_EQ(atr(kPrinter), "@");
    EXPECT_EQ(atr(kReUsePrn), 0);
    EXPECT_EQ(app->GetProfileString(kPrinter.in(kEUR1Section)), "Lager");
    EXPECT_EQ(app->GetProfileInt(kReUsePrn.in(kEUR1Section)), 1);
    EXPECT_EQ(pdfPageCount(pdf), 1);

    seen.clear();
    print({printCopies("1", true)});
    ASSERT_EQ(seen.size(), 1);
    EXPECT_FALSE(seen[0].alwaysThisPrinter);
    EXPECT_EQ(atr(kPrinter), seen[0].printer);
    EXPECT_EQ(atr(kReUsePrn), 1);
}

TEST_F(PrintFromTheWindow, CancelInThePrintDialogPrintsNothingAndStoresNothing)
{
    texts = {{kPrinter.in(kATRSection), "Lager"}};
    ints = {{kReUsePrn.in(kATRSection), 1}};
    start();
    print({ok(), cancel()});
    EXPECT_EQ(shown, QStringList({"margins", "print"}));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(atr(kPrinter), "Lager");
    EXPECT_EQ(atr(kReUsePrn), 1);
}

TEST_F(PrintFromTheWindow, AJobThatCannotStartSaysSo)
{
    ints = {{kShowMarginDlg.in(kATRSection), 1}};
    start();
    app->m_printer.printer().setOutputFileName(dir.filePath("missing/folder/job.pdf"));
    print({ok()});
    EXPECT_EQ(ui.messages, QStringList({kJobNotStarted}));
}

TEST_F(PrintFromTheWindow, WithoutAnyPrinterTheSetUpAsksForOneFirst)
{
    platform::PrinterCatalog::setPrinters({{}, {}});
    ints = {{kShowMarginDlg.in(kATRSection), 1}};
    start();
    // Printing into a file without a name: the job has nowhere to go.
    app->m_printer.printer().setOutputFileName({});
    app->m_printer.printer().setOutputFormat(QPrinter::PdfFormat);
    // The set-up is left without a choice; its printer is pointed at a file that cannot be written, so that
    // no real printer is ever used, and the job cannot start.
    const QString nowhere = dir.filePath("missing/folder/job.pdf");
    print({[&](QDialog& dialog) {
               static_cast<QPrintDialog&>(dialog).printer()->setOutputFileName(nowhere);
               dialog.reject();
           },
           ok()});
    EXPECT_EQ(shown, QStringList({"set-up", "print"}));
    EXPECT_EQ(ui.messages, QStringList({kJobNotStarted}));
}

TEST_F(PrintFromTheWindow, TheTextBeingTypedIsPrintedAndTheGoodsAreTidiedWithoutMarkingTheForm)
{
    ints = {{kShowMarginDlg.in(kATRSection), 1}};
    start();
    CQeEditWindow& editor = view->FieldEditor();
    editor.SetFieldText(9, "Maschinenteile\r\n\r\n\r\n  ", 1);
    print({ok()});
    EXPECT_EQ(editor.GetFieldText(9, 1), "Maschinenteile\r\n");
    EXPECT_FALSE(view->document().isModified());

    view->ActivateField(7, 1);
    QTest::keyClicks(editor.LiveWindow(), "Zollamt");
    print({ok()});
    bool typed = false;
    for (const PdfWord& word : pdfWords(pdf)) typed = typed || word.text == "Zollamt";
    EXPECT_TRUE(typed);
}
