// The EUR.1, the certificate of origin and the declaration 848a in the program, worked as a person works
// them: typed field by field, saved with Ctrl+S and opened again, and printed from the window into a PDF with
// every dialog answered by the test.

#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "forms/common/FormCommandIds.h"
#include "forms/common/FormView.h"
#include "platform/dialog/Dialog.h"
#include "platform/docview/ChildFrame.h"
#include "platform/print/PrinterCatalog.h"
#include "platform/screen/ScreenMetrics.h"
#include "program/CKalvenportExportApp.h"
#include "tests/forms/FormInMainFrame.h"
#include "tests/program/ShellDoubles.h"
#include "tests/support/PdfWords.h"
#include "tests/support/SplashSetting.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>

using namespace settings;

namespace {

// The program on a form at true size on a 96 dpi screen, its printer a PDF file; a person who answers each
// dialog in turn.
class FormInProgram : public ::testing::Test {
protected:
    using Answer = std::function<void(QDialog&)>;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        platform::ScreenMetrics::setSource([] { return platform::ScreenMetrics{1080, 96}; });
        platform::PrinterCatalog::setPrinters({{"Büro"}, "Büro"});
        ui.dialogScript = [this](QDialog& dialog) {
            titles.append(dialog.windowTitle());
            ASSERT_FALSE(answers.isEmpty()) << "unexpected dialog " << dialog.windowTitle().toStdString();
            answers.takeFirst()(dialog);
        };
    }
    void TearDown() override
    {
        stop();
        platform::PrinterCatalog::useSystemPrinters();
        platform::ScreenMetrics::setSource({});
    }

    // A new form saved as `name`, its type told by the name's extension, with texts in its fields: {page,
    // field, text}.
    QString writeForm(const QString& name, const QList<std::tuple<int, int, QString>>& texts = {})
    {
        CQELWinAppEx owner(registry());
        const QString path = dir.filePath(name);
        const std::vector<platform::DocTemplate> templates = CreateFormTemplates(owner);
        DetachedForm form = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, path));
        form.doc->OnNewDocument();
        for (const auto& [page, field, text] : texts)
            form.editor().SetFieldText(std::uint16_t(field), text, page);
        EXPECT_TRUE(form.doc->OnSaveDocument(path));
        return path;
    }

    // The program on `path`, with the settings of `ints` stored before it starts.
    void start(const QString& path, const QList<std::pair<IntValue, int>>& ints = {})
    {
        stop();
        storeSplashScreen(registry());
        {
            CQELWinAppEx settings(registry());
            settings.InitInstance();
            for (const QStringView section : {kEUR1Section, kUZSection, kLZE1Section})
                settings.WriteProfileInt(section, u"ZoomFactor", 10);
            settings.WriteProfileInt(kSettingsSection, u"WinFormScaledFactorOv", 100);
            for (const auto& [value, number] : ints) settings.WriteProfileInt(value, number);
        }
        app = std::make_unique<CKalvenportExportApp>(QStringList{path}, registry(),
                                                     "/opt/kalvenport/kalvenport-zuzaza");
        ASSERT_TRUE(app->InitInstance());
        app->mainFrame()->resize(1200, 1000);
        app->m_printer.printer().setOutputFileName(pdf);
        ASSERT_TRUE(activeView());
    }
    void stop()
    {
        if (app) app->ExitInstance();
        view = nullptr;
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The view of the active window, painted once: the first paint creates the form's edit window.
    bool activeView()
    {
        platform::ChildFrame* child = app->mainFrame()->MDIGetActive();
        view = child ? dynamic_cast<FormView*>(child->GetActiveView()) : nullptr;
        if (view) view->viewport()->grab();
        return view && editor().LiveWindow();
    }

    QString registry() const { return dir.filePath("registry"); }
    CQeEditWindow& editor() { return view->FieldEditor(); }
    QPlainTextEdit& window() { return *editor().LiveWindow(); }
    FormDocument& doc() { return view->document(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(&window(), key, modifiers);
    }
    void clickOn(const platform::Rect& box)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middleInSight(*view, box));
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
    static void click(QDialog& dialog, int id)
    {
        auto* button = dialog.findChild<QAbstractButton*>(QString::number(id));
        ASSERT_NE(button, nullptr) << id;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Ctrl+P, the margin sheet (when it shows) answered OK and sheet `sheet` chosen in the print dialog.
    void printSheet(int sheet, bool marginSheet = true)
    {
        QFile::remove(pdf);
        if (marginSheet) answers.append([](QDialog& d) { click(d, platform::control::kOk); });
        answers.append([sheet](QDialog& d) {
            d.findChild<QComboBox*>("1010")->setCurrentIndex(sheet - 1);
            click(d, platform::control::kOk);
        });
        key(Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(answers.isEmpty());
        EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(" | ").toStdString();
    }

    QTemporaryDir dir;
    QString pdf = dir.filePath("job.pdf");
    ShellUi ui;
    QList<Answer> answers;
    QStringList titles;  // of the dialogs as the person saw them
    std::unique_ptr<CKalvenportExportApp> app;
    FormView* view = nullptr;
};

}  // namespace

TEST_F(FormInProgram, TabTypesEveryFieldAndWhatWasTypedAndTheMarkSurviveSaveAndReopen)
{
    const struct {
        const char* file;
        QList<int> tabs;  // the fields Tab runs over on page 1
        const char* helps;
        const char* page1Pane;
        int formKind;
    } cases[] = {
        // clang-format off
        {"lieferung.fme", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, nullptr,
         "EUR.1 - Seite 1 von 2", 1},
        // The help topics of box 9 and the date are crossed over, as the form's help has them.
        {"zeugnis.fmu", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, "340 341 342 343 344 345 346 347 349 348",
         "Ursprungszeugnis - Seite 1 von 2", 3},
        {"erklaerung.lz1", {0, 1, 2, 3, 4, 6, 7, 8, 9, 10}, nullptr, "Ursprungszeugnis (848a)", 5},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = writeForm(c.file);
        start(path, {{kLZEF1F2, 1}});
        const FormDefinition& form = doc().definition();

        // Tab runs over the input fields and wraps; each field brings its help topic.
        QList<int> tabs;
        QStringList helps;
        QMap<std::pair<int, int>, QString> typed;
        for (int step = 0; step < c.tabs.size(); ++step) {
            const int field = editor().GetCurrentField();
            tabs.append(field);
            helps.append(QString::number(app->m_nHelpContext));
            typed[{1, field}] = QString("Text %1").arg(field);
            QTest::keyClicks(&window(), typed[{1, field}]);
            key(Qt::Key_Tab);
        }
        EXPECT_EQ(tabs, c.tabs);
        EXPECT_EQ(editor().GetCurrentField(), 0);
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(editor().GetCurrentField(), c.tabs.last());
        EXPECT_TRUE(!c.helps || helps.join(" ") == c.helps) << helps.join(" ").toStdString();
        if (!form.markAreas.empty()) clickOn(view->GetFieldRect(form.markAreas[0].field, 1));
        // On page 2, reached by the menu, every line is typed; the last is still being typed when Ctrl+S
        // saves.
        if (form.fields.hasPageCommands) {
            QAction* page2 = editMenuEntry("Seite &2");
            ASSERT_TRUE(page2);
            page2->trigger();
            ASSERT_EQ(view->m_nCurrentPage, 2);
            for (int field = 0; field <= form.fields.lastPage2Field; ++field) {
                if (field > 0) key(Qt::Key_Tab);
                typed[{2, field}] = QString("Zeile %1").arg(field);
                QTest::keyClicks(&window(), typed[{2, field}]);
            }
        }
        key(Qt::Key_S, Qt::ControlModifier);
        EXPECT_FALSE(doc().isModified());
        // The two-line option is the settings', never the file's.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_FALSE(bytes.contains("LZEF1F2"));
        EXPECT_FALSE(bytes.contains(QByteArray::fromRawData(reinterpret_cast<const char*>(u"LZEF1F2"), 14)));

        start(path);
        EXPECT_EQ(doc().m_nLoadStatus, 0);
        EXPECT_FALSE(doc().isModified());
        EXPECT_EQ(view->m_nCurrentPage, 1);
        EXPECT_EQ(editor().GetCurrentField(), 0);
        EXPECT_EQ(app->mainFrame()->statusPaneText(1).toStdString(), c.page1Pane);
        EXPECT_EQ(app->m_nActiveFormKind, c.formKind);
        EXPECT_EQ(doc().m_nMarkChoice, form.markAreas.empty() ? 0 : 1);
        for (auto it = typed.begin(); it != typed.end(); ++it)
            EXPECT_EQ(editor().GetFieldText(std::uint16_t(it.key().second), it.key().first), it.value());
    }
}

TEST_F(FormInProgram, PrintingFromTheWindowTidiesTheGoodsAndLeavesTheFormUnmodified)
{
    if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
    const struct {
        const char* file;
        QStringView section;
        int goods;
        int sheet;
        bool marginSheet;
        QStringList printed;
    } cases[] = {
        {"lieferung.fme", kEUR1Section, 8, 1, false, {"Brandel", "Maschinenteile"}},
        {"zeugnis.fmu", kUZSection, 6, 2, true, {"Maschinenteile"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        start(writeForm(c.file, {{1, 0, "Brandel"}}),
              {{kShowMarginDlg.in(c.section), c.marginSheet ? 0 : 1}});
        view->ActivateField(std::uint16_t(c.goods), 1);
        QTest::keyClicks(&window(), "Maschinenteile   ");
        key(Qt::Key_Return);
        key(Qt::Key_Return);
        key(Qt::Key_S, Qt::ControlModifier);
        ASSERT_FALSE(doc().isModified());

        titles.clear();
        printSheet(c.sheet, c.marginSheet);
        EXPECT_EQ(titles.size(), c.marginSheet ? 2 : 1);
        // The goods end in one line end, so that the strike-out finds the empty line below them.
        EXPECT_EQ(editor().GetFieldText(std::uint16_t(c.goods), 1), "Maschinenteile\r\n");
        EXPECT_FALSE(doc().isModified());
        EXPECT_EQ(pdfPageCount(pdf), 1);
        QStringList words;
        for (const PdfWord& word : pdfWords(pdf)) words.append(word.text);
        words.sort();
        EXPECT_EQ(words, c.printed);
    }
}

namespace {

// The width in pixels of the EUR.1's edition mark, in the lower-left corner of the sheet 296 mm down.
int editionMarkWidth(FormView& view)
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

TEST_F(FormInProgram, TheEUR1sEditionMarkNamesTheEditionOfTheBackAsTheWindowOpenedAndAsItWasLastPrinted)
{
    if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
    const QString path = writeForm("lieferung.fme", {{2, 0, "Zeichnungen"}});
    start(path, {{kEURPRN, 1}});
    const int markL = editionMarkWidth(*view);
    start(path, {{kEURPRN, 2}});
    const int markWK = editionMarkWidth(*view);
    // "WK 03/2010" for any value but 1, "L 03/2010" for 1: narrower by the difference of "WK" and "L".
    EXPECT_GT(markWK - markL, 4);
    EXPECT_LT(markWK - markL, 15);

    app->WriteProfileInt(kEURPRN, 1);
    EXPECT_EQ(editionMarkWidth(*view), markWK);
    printSheet(3);
    // The back's first line where the edition marked "L" has it, 67 mm down; the screen says so now.
    const std::optional<QRectF> line = pdfWord(pdf, "Zeichnungen");
    ASSERT_TRUE(line);
    EXPECT_NEAR(line->top(), 67.0, 0.2);
    EXPECT_EQ(editionMarkWidth(*view), markL);
}

TEST_F(FormInProgram, ADeclaration848aPrintsWithTheTwoLineOptionItWasOpenedWith)
{
    if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
    const QString first = writeForm("erste.lz1", {{1, 0, "Waren"}});
    const QString second = writeForm("zweite.lz1", {{1, 0, "Waren"}});
    start(first);
    // On one line the goods print 56 mm down the sheet: 60 mm on the form, 4 mm above the sheet's origin.
    printSheet(1);
    EXPECT_NEAR(pdfWord(pdf, "Waren").value_or(QRectF()).top(), 56.0, 0.2);
    EXPECT_EQ(titles,
              QStringList({"Ränder beim Ausdruck für 848a", "Langzeit-Lieferantenerklärung drucken"}));

    ASSERT_TRUE(app->mainFrame()->ExecuteCommand(formcmd::kTwoLineFields));
    ui.messages.clear();  // that the option holds from the next form on
    printSheet(1);
    EXPECT_NEAR(pdfWord(pdf, "Waren").value_or(QRectF()).top(), 56.0, 0.2);

    // With two lines they start 3.4 mm higher.
    ASSERT_NE(app->OpenDocumentFile(second), nullptr);
    ASSERT_TRUE(activeView());
    printSheet(1);
    EXPECT_NEAR(pdfWord(pdf, "Waren").value_or(QRectF()).top(), 52.6, 0.2);
}
