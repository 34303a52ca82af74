// The EUR.1 in the program's window, as its user works it: the form opened from a file, its keys and
// commands, its look, and printing from the window into a PDF, every dialog answered by the test.

#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "forms/eur1/CEUR1_View.h"
#include "forms/print/CDlgDrucken.h"
#include "platform/docview/ChildFrame.h"
#include "platform/print/PrinterCatalog.h"
#include "platform/screen/ScreenMetrics.h"
#include "program/CKalvenportExportApp.h"
#include "tests/forms/TablelessFormFile.h"
#include "tests/program/ShellDoubles.h"
#include "tests/support/PdfWords.h"
#include "tests/support/SplashSetting.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace settings;

namespace {

constexpr int kOk = 1;
constexpr int kSheetList = 1010;

class EUR1Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        platform::PrinterCatalog::setPrinters({{"Büro"}, "Büro"});
        platform::ScreenMetrics::setSource([] { return platform::ScreenMetrics{1080, 96}; });
    }
    void TearDown() override
    {
        stop();
        platform::PrinterCatalog::useSystemPrinters();
        platform::ScreenMetrics::setSource({});
    }

    // A saved EUR.1 with the exporter in box 1, the goods in box 8 and a line on the back; with a block
    // version, as an older program wrote it: without the back.
    QString writeForm(std::optional<std::uint16_t> tablelessBlock = {})
    {
        CQELWinAppEx owner(dir.filePath("registry"));
        const QString path = dir.filePath("lieferung.fme");
        const std::vector<platform::DocTemplate> templates = CreateFormTemplates(owner);
        DetachedForm eur1 = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, path));
        eur1.doc->OnNewDocument();
        eur1.editor().SetFieldText(0, "Brandel", 1);
        eur1.editor().SetFieldText(8, "Maschinenteile", 1);
        eur1.editor().SetFieldText(0, "Zeichnungen", 2);
        EXPECT_TRUE(eur1.doc->OnSaveDocument(path));
        if (tablelessBlock) writeFile(path, withoutTable(contentsOf(path), eur1.editor(), *tablelessBlock));
        return path;
    }

    // The program on `path`, with the integer settings of `ints` stored before it starts.
    void start(const QString& path, QList<std::pair<IntValue, int>> ints = {})
    {
        stop();
        storeSplashScreen(dir.filePath("registry"));
        {
            CQELWinAppEx settings(dir.filePath("registry"));
            settings.InitInstance();
            // At true size: 10 tenths of a zoom step, on a screen taken as it measures.
            settings.WriteProfileInt(kEUR1Section, u"ZoomFactor", 10);
            settings.WriteProfileInt(kSettingsSection, u"WinFormScaledFactorOv", 100);
            for (const auto& [value, number] : ints) settings.WriteProfileInt(value, number);
        }
        app = std::make_unique<CKalvenportExportApp>(QStringList{path}, dir.filePath("registry"),
                                                     "/opt/kalvenport/kalvenport-zuzaza");
        ASSERT_TRUE(app->InitInstance());
        app->m_printer.printer().setOutputFileName(pdf);
        platform::ChildFrame* child = app->mainFrame()->MDIGetActive();
        ASSERT_NE(child, nullptr);
        view = dynamic_cast<CEUR1_View*>(child->GetActiveView());
        ASSERT_NE(view, nullptr);
        // The first paint creates the form's edit window.
        view->viewport()->grab();
        ASSERT_NE(editWindow(), nullptr);
    }
    void stop()
    {
        if (app) app->ExitInstance();
        view = nullptr;
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget* editWindow() { return view->FieldEditor().LiveWindow(); }
    // Ctrl+P with sheet `sheet` chosen in the print dialog, into the PDF.
    void printSheet(int sheet)
    {
        ui.dialogScript = [sheet](QDialog& dialog) {
            auto* print = dynamic_cast<CDlgDrucken*>(&dialog);
            ASSERT_NE(print, nullptr);
            print->itemAs<QComboBox>(kSheetList)->setCurrentIndex(sheet - 1);
            QTest::mouseClick(print->findChild<QAbstractButton*>(QString::number(kOk)), Qt::LeftButton);
        };
        QTest::keyClick(editWindow(), Qt::Key_P, Qt::ControlModifier);
    }
    std::optional<QRectF> printed(const QString& text)
    {
        for (const PdfWord& word : pdfWords(pdf))
            if (word.text == text) return word.mm;
        return std::nullopt;
    }
    QString typed() { return view->FieldEditor().LiveWindow()->toPlainText(); }
    std::pair<int, int> place() { return {view->m_nCurrentPage, view->FieldEditor().GetCurrentField()}; }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(editWindow(), key, modifiers);
    }
    // The entry `text` of the menu "&Bearbeiten", in the state its menu shows it.
    QAction* editMenuEntry(const QString& text)
    {
        for (QAction* title : app->mainFrame()->menuBar()->actions()) {
            if (title->text() != "&Bearbeiten" || !title->menu()) continue;
            emit title->menu()->aboutToShow();
            for (QAction* entry : title->menu()->actions())
                if (entry->text().section('\t', 0, 0) == text) return entry;
        }
        ADD_FAILURE() << "no entry " << text.toStdString();
        return nullptr;
    }
    FormDocument& document() { return view->document(); }
    QString pane1() { return app->mainFrame()->statusPaneText(1); }

    QTemporaryDir dir;
    QString pdf = dir.filePath("job.pdf");
    ShellUi ui;
    std::unique_ptr<CKalvenportExportApp> app;
    CEUR1_View* view = nullptr;
};

// The ink of the lower-left corner of the sheet at true size on a 96 dpi screen, where the edition mark
// stands 296 mm down: its width in pixels.
int editionMarkWidth(CEUR1_View& view)
{
    view.resize(700, 1200);
    const QImage image = view.viewport()->grab().toImage();
    int left = image.width();
    int right = -1;
    for (int y = 1095; y < 1125; ++y) {
        for (int x = 0; x < 120; ++x) {
            if (qGray(image.pixel(x, y)) >= 100) continue;
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    return right - left + 1;
}

}  // namespace

TEST_F(EUR1Window, ItsKeysAndCommandsOpenItsDialogs)
{
    start(writeForm());
    const struct {
        const char* how;
        std::function<void()> give;
        const char* dialog;
    } cases[] = {
        {"F8", [this] { QTest::keyClick(editWindow(), Qt::Key_F8); }, "Vorgaben für EUR.1"},
        {"F9", [this] { QTest::keyClick(editWindow(), Qt::Key_F9); }, "Ränder beim Ausdruck für EUR.1"},
        {"print positions", [this] { app->mainFrame()->ExecuteCommand(32874); },
         "Erweiterte Druckpositionen in EUR1"},
    };
    QStringList shown;
    ui.dialogScript = [&shown](QDialog& dialog) {
        shown.append(dialog.windowTitle());
        dialog.reject();
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        shown.clear();
        c.give();
        EXPECT_EQ(shown, QStringList{c.dialog});
    }
}

TEST_F(EUR1Window, TheEditionMarkNamesThePaperFormOfTheBack)
{
    const QString path = writeForm();
    start(path);
    const int markWK = editionMarkWidth(*view);
    start(path, {{kEURPRN, 1}});
    const int markL = editionMarkWidth(*view);
    start(path, {{kEURPRN, 2}});
    // "WK 03/2010" for any value but 1, "L 03/2010" for 1: narrower by the difference of "WK" and "L".
    EXPECT_EQ(editionMarkWidth(*view), markWK);
    EXPECT_GT(markWK - markL, 4);
    EXPECT_LT(markWK - markL, 15);
}

TEST_F(EUR1Window, PrintingTidiesTheGoodsInTheFormWithoutMarkingItModified)
{
    if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
    start(writeForm(), {{kShowMarginDlg.in(kEUR1Section), 1}});
    printSheet(1);
    ASSERT_EQ(ui.dialogs.size(), 1);
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_TRUE(printed("Brandel"));
    // The goods end in one line end, so that the strike-out finds the empty line below them.
    EXPECT_EQ(view->FieldEditor().GetFieldText(8, 1), "Maschinenteile\r\n");
    EXPECT_FALSE(document().isModified());
}

TEST_F(EUR1Window, AfterAPrintTheEditionMarkNamesTheEditionTheBackWasPrintedFor)
{
    if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
    start(writeForm(), {{kShowMarginDlg.in(kEUR1Section), 1}});
    const int markWK = editionMarkWidth(*view);
    app->WriteProfileInt(kEURPRN, 1);
    EXPECT_EQ(editionMarkWidth(*view), markWK);
    printSheet(3);
    // The back's first line where the edition marked "L" has it, 67 mm down; the screen says so now.
    const std::optional<QRectF> line = printed("Zeichnungen");
    ASSERT_TRUE(line);
    EXPECT_NEAR(line->top(), 67.0, 0.2);
    EXPECT_LT(editionMarkWidth(*view), markWK);
}

TEST_F(EUR1Window, BothPagesAreTypedAndSwitchedWithTheKeysAndTheMenu)
{
    start(writeForm());
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(place(), std::make_pair(2, 0));
    EXPECT_EQ(pane1().toStdString(), "EUR.1 - Seite 2 von 2");
    EXPECT_EQ(app->m_nHelpContext, 312);
    EXPECT_EQ(typed(), "Zeichnungen");
    key(Qt::Key_End);
    QTest::keyClicks(editWindow(), " Nr. 4711");
    key(Qt::Key_Tab);
    QTest::keyClicks(editWindow(), "Rechnung 17");
    // Tab and Shift+Tab stay on the back, wrapping between its first and its last line.
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(place(), std::make_pair(2, 10));
    key(Qt::Key_Tab);
    EXPECT_EQ(place(), std::make_pair(2, 0));
    key(Qt::Key_Tab);

    QAction* page1 = editMenuEntry("Seite &1");
    QAction* page2 = editMenuEntry("Seite &2");
    ASSERT_TRUE(page1 && page2);
    EXPECT_TRUE(page1->isEnabled());
    EXPECT_FALSE(page2->isEnabled());
    page1->trigger();
    EXPECT_EQ(place(), std::make_pair(1, 0));
    EXPECT_EQ(pane1().toStdString(), "EUR.1 - Seite 1 von 2");
    EXPECT_EQ(app->m_nHelpContext, 300);
    EXPECT_EQ(typed(), "Brandel");
    EXPECT_EQ(view->FieldEditor().GetFieldText(0, 2), "Zeichnungen Nr. 4711");
    EXPECT_EQ(view->FieldEditor().GetFieldText(1, 2), "Rechnung 17");
    EXPECT_FALSE(editMenuEntry("Seite &1")->isEnabled());
    EXPECT_TRUE(editMenuEntry("Seite &2")->isEnabled());

    editMenuEntry("Seite &2")->trigger();
    EXPECT_EQ(place(), std::make_pair(2, 0));
    EXPECT_EQ(typed(), "Zeichnungen Nr. 4711");
    // Ctrl+Tab on the back does nothing; Ctrl+Shift+Tab goes back to the certificate.
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(place(), std::make_pair(2, 0));
    key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(place(), std::make_pair(1, 0));
    EXPECT_TRUE(document().isModified());
}

TEST_F(EUR1Window, CtrlSOnTheBackSavesWhatIsBeingTypedAndTheFormReopensOnTheCertificate)
{
    const QString path = writeForm();
    start(path);
    key(Qt::Key_Tab, Qt::ControlModifier);
    for (int field = 0; field < 3; ++field) key(Qt::Key_Tab);
    QTest::keyClicks(editWindow(), "Ursprungsnachweis vom 6.1.2020");
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(document().isModified());
    EXPECT_EQ(place(), std::make_pair(2, 3));

    start(path);
    EXPECT_EQ(place(), std::make_pair(1, 0));
    EXPECT_EQ(pane1().toStdString(), "EUR.1 - Seite 1 von 2");
    EXPECT_EQ(app->m_nActiveFormKind, 1);
    EXPECT_EQ(app->m_nHelpContext, 300);
    EXPECT_EQ(view->FieldEditor().GetFieldText(3, 2), "Ursprungsnachweis vom 6.1.2020");
    EXPECT_EQ(view->FieldEditor().GetFieldText(0, 2), "Zeichnungen");
    EXPECT_EQ(view->FieldEditor().GetFieldText(0, 1), "Brandel");
    EXPECT_FALSE(document().isModified());
}

TEST_F(EUR1Window, AFileWithoutTheBackOpensWithABackThatIsTypedAndSaved)
{
    for (const std::uint16_t block : {1, 2}) {
        SCOPED_TRACE(block);
        const QString path = writeForm(block);
        start(path);
        key(Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(place(), std::make_pair(2, 0));
        EXPECT_EQ(typed(), "");
        // The edit window stands on the first line of the back, as wide as it is.
        const platform::Rect line = view->GetFieldRect(0, 2);
        EXPECT_NEAR(editWindow()->width(), (line.right - line.left) * 96 / 254.0, 3);
        QTest::keyClicks(editWindow(), "Ersatz");
        key(Qt::Key_S, Qt::ControlModifier);

        start(path);
        EXPECT_EQ(view->FieldEditor().GetFieldText(0, 2), "Ersatz");
        EXPECT_EQ(view->FieldEditor().GetFieldText(0, 1), "Brandel");
    }
}

TEST_F(EUR1Window, AFieldBeyondEitherPageGoesToFieldZero)
{
    start(writeForm());
    const struct {
        std::uint16_t field;
        int page;
        std::pair<int, int> reached;
    } cases[] = {{21, 1, {1, 0}}, {500, 1, {1, 0}}, {11, 2, {2, 0}}, {500, 2, {2, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.field) + " on page " + std::to_string(c.page));
        view->ActivateField(5, c.page);
        EXPECT_EQ(view->ActivateField(c.field, c.page), 0);
        EXPECT_EQ(std::make_pair(int(view->FieldEditor().GetCurrentPage()),
                                 int(view->FieldEditor().GetCurrentField())),
                  c.reached);
    }
}
