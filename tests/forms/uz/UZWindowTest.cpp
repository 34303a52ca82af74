// The certificate of origin in the program's window, worked as a person works it: the cross of box 8 set by
// clicks and kept in the file, Tab over the boxes, the options commands and their dialogs, and printing the
// application's front from the window into a PDF.

#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "forms/common/FormCommandIds.h"
#include "forms/uz/CUrsprungszeugnis_View.h"
#include "platform/dialog/Dialog.h"
#include "platform/docview/ChildFrame.h"
#include "platform/print/PrinterCatalog.h"
#include "platform/screen/ScreenMetrics.h"
#include "program/CKalvenportExportApp.h"
#include "tests/platform/InkBox.h"
#include "tests/program/ShellDoubles.h"
#include "tests/support/PdfWords.h"
#include "tests/support/SplashSetting.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace settings;

namespace {

constexpr int kCrossPositions = 32853;
const QColor kFormColour(0xFF, 0xD6, 0xAA);
const QColor kDarkRed(0x80, 0x00, 0x00);

// The program on a certificate of origin at true size on a 96 dpi screen, its printer a PDF file.
class UZWindow : public ::testing::Test {
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
        CQELWinAppEx settings(registry());
        settings.InitInstance();
        settings.WriteProfileInt(kUZSection, u"ZoomFactor", 10);
        settings.WriteProfileInt(u"Settings", u"WinFormScaledFactorOv", 100);
        const std::vector<platform::DocTemplate> templates = CreateFormTemplates(settings);
        DetachedForm uz = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, form));
        uz.doc->OnNewDocument();
        ASSERT_TRUE(uz.doc->OnSaveDocument(form));
    }
    void TearDown() override
    {
        stop();
        platform::PrinterCatalog::useSystemPrinters();
        platform::ScreenMetrics::setSource({});
    }

    QString registry() const { return dir.filePath("registry"); }

    void start()
    {
        stop();
        storeSplashScreen(registry());
        app = std::make_unique<CKalvenportExportApp>(QStringList{form}, registry(),
                                                     "/opt/kalvenport/kalvenport-zuzaza");
        ASSERT_TRUE(app->InitInstance());
        platform::ChildFrame* child = app->mainFrame()->MDIGetActive();
        ASSERT_NE(child, nullptr);
        view = dynamic_cast<CUrsprungszeugnis_View*>(child->GetActiveView());
        ASSERT_NE(view, nullptr);
        app->mainFrame()->resize(1200, 1000);
        view->viewport()->grab();
        ASSERT_NE(editor().LiveWindow(), nullptr);
        app->m_printer.printer().setOutputFileName(pdf);
    }
    void stop()
    {
        if (app) app->ExitInstance();
        view = nullptr;
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CQeEditWindow& editor() { return view->FieldEditor(); }
    QPlainTextEdit& window() { return *editor().LiveWindow(); }
    FormDocument& doc() { return view->document(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(&window(), key, modifiers);
    }

    // The viewport pixel of a point of the zoomed page, after scrolling it into sight.
    QPoint pixelOf(QPoint page)
    {
        const auto pixels = [](int units) { return qRound(units * 96 / 254.0); };
        view->verticalScrollBar()->setValue(pixels(page.y()) - 200);
        return QPoint(pixels(page.x()), pixels(page.y())) -
               QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    }
    QPoint middleOf(const platform::Rect& box)
    {
        return pixelOf({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
    }
    QColor colourAt(QPoint page)
    {
        const QPoint pixel = pixelOf(page);
        return view->viewport()->grab().toImage().pixelColor(pixel);
    }
    // The cross of box 8 as drawn: which of the two boxes has the thick dark red at its centre and only the
    // form's colour midway along its top edge.
    int crossedBox()
    {
        int crossed = 0;
        for (const std::uint16_t row : {10, 11}) {
            const platform::Rect box = view->GetFieldRect(row, 1);
            const QPoint centre((box.left + box.right) / 2, (box.top + box.bottom) / 2);
            if (colourAt(centre) == kDarkRed)
                crossed = crossed * 100 + row;
            else
                EXPECT_EQ(colourAt(centre), kFormColour) << row;
            EXPECT_EQ(colourAt({centre.x(), box.top + 8}), kFormColour) << row;
        }
        return crossed;
    }

    static void click(QDialog& dialog, int id)
    {
        auto* button = dialog.findChild<QAbstractButton*>(QString::number(id));
        ASSERT_NE(button, nullptr) << id;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QTemporaryDir dir;
    QString form = dir.filePath("zeugnis.fmu");
    QString pdf = dir.filePath("job.pdf");
    ShellUi ui;
    QList<Answer> answers;
    QStringList titles;  // of the dialogs as the person saw them
    std::unique_ptr<CKalvenportExportApp> app;
    CUrsprungszeugnis_View* view = nullptr;
};

}  // namespace

TEST_F(UZWindow, TheCrossOfBoxEightFollowsTheClicksAndIsKeptInTheFile)
{
    start();
    // A new form has the second box crossed.
    EXPECT_EQ(doc().m_nMarkChoice, 0);
    EXPECT_EQ(crossedBox(), 11);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middleOf(view->GetFieldRect(10, 1)));
    EXPECT_EQ(doc().m_nMarkChoice, 1);
    EXPECT_TRUE(doc().isModified());
    EXPECT_EQ(crossedBox(), 10);

    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(doc().isModified());
    start();
    EXPECT_EQ(doc().m_nMarkChoice, 1);
    EXPECT_FALSE(doc().isModified());
    EXPECT_EQ(crossedBox(), 10);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middleOf(view->GetFieldRect(11, 1)));
    EXPECT_EQ(crossedBox(), 11);
}

TEST_F(UZWindow, TabRunsOverBoxesZeroToNineAndEachBoxHasItsHelpTopic)
{
    start();
    EXPECT_EQ(app->m_nHelpContext, 340);
    EXPECT_EQ(app->mainFrame()->statusPaneText(1), "Ursprungszeugnis - Seite 1 von 2");
    // The help topics of boxes 9 and the date are crossed over, as the form's help has them.
    const int help[] = {340, 341, 342, 343, 344, 345, 346, 347, 349, 348};
    for (int field = 0; field < 10; ++field) {
        EXPECT_EQ(editor().GetCurrentField(), field);
        EXPECT_EQ(app->m_nHelpContext, help[field]) << field;
        key(Qt::Key_Tab);
    }
    EXPECT_EQ(editor().GetCurrentField(), 0);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor().GetCurrentField(), 9);
    // The rows after box 9 are the cross areas and the crosses on paper, never a field to type into.
    for (const std::uint16_t row : {10, 11, 12, 13}) {
        view->ActivateField(row, 1);
        EXPECT_LE(editor().GetCurrentField(), 9) << row;
    }
    // At zoom 14 every box is 1.4 times its size.
    app->WriteProfileInt(kUZSection, u"ZoomFactor", 14);
    start();
    EXPECT_EQ(view->GetFieldRect(1, 1), (platform::Rect{154, 98, 1414, 378}));
}

TEST_F(UZWindow, TheOptionsCommandsRunTheirDialogsAndOkOfTheCrossesDialogStoresItsFiveValues)
{
    start();
    view->ActivateField(5, 1);
    int helpWhileOpen = 0;
    const struct {
        const char* name;
        std::function<void()> give;
        const char* title;
        Answer answer;
    } commands[] = {
        {"F9", [&] { key(Qt::Key_F9); }, "Ränder beim Ausdruck für Ursprungszeugnis",
         [](QDialog& d) {
             EXPECT_EQ(d.findChild<QTabWidget*>()->count(), 2);
             d.reject();
         }},
        {"F8", [&] { key(Qt::Key_F8); }, "Vorgaben für Ursprungszeugnis", [](QDialog& d) { d.reject(); }},
        {"the crosses from the menu", [&] { EXPECT_TRUE(app->mainFrame()->ExecuteCommand(kCrossPositions)); },
         "Position der Kreuze im Feld 8",
         [&](QDialog& d) {
             helpWhileOpen = app->m_nHelpContext;
             click(d, platform::control::kOk);
         }},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(command.name);
        titles.clear();
        answers = {command.answer};
        command.give();
        EXPECT_EQ(titles, QStringList{command.title});
        EXPECT_TRUE(answers.isEmpty());
        EXPECT_EQ(app->m_nHelpContext, 345);
    }
    EXPECT_EQ(helpWhileOpen, 128);
    for (const IntValue* value : {&kNoPrint_X, &kTop_X1Pos, &kLeft_X1Pos, &kTop_X2Pos, &kLeft_X2Pos})
        EXPECT_EQ(app->GetProfileInt(value->section, value->name, -1), 0)
            << value->name.toString().toStdString();
    EXPECT_FALSE(doc().isModified());
}

TEST_F(UZWindow, TheApplicationsFrontPrintsFromTheWindowWithTheCrossWhereTheCrossesDialogPutsIt)
{
    if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
    start();
    view->ActivateField(6, 1);
    QTest::keyClicks(&window(), "Maschinenteile   ");
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middleOf(view->GetFieldRect(10, 1)));
    answers = {[](QDialog& d) {
        auto type = [&](int id, const char* text) {
            auto* edit = d.findChild<QLineEdit*>(QString::number(id));
            edit->selectAll();
            QTest::keyClicks(edit, text);
        };
        type(1022, "20");
        type(1023, "-10");
        click(d, platform::control::kOk);
    }};
    app->mainFrame()->ExecuteCommand(kCrossPositions);
    key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_FALSE(doc().isModified());

    // Ctrl+P: the margin sheet first, then the print dialog, where the person picks the application's front.
    answers = {[](QDialog& d) { click(d, platform::control::kOk); },
               [](QDialog& d) {
                   d.findChild<QComboBox*>("1010")->setCurrentIndex(1);
                   click(d, platform::control::kOk);
               }};
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(answers.isEmpty());
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(" | ").toStdString();

    // Printing tidies the goods to one line end and leaves the form unmodified.
    EXPECT_EQ(editor().GetFieldText(6, 1), "Maschinenteile\r\n");
    EXPECT_FALSE(doc().isModified());
    QStringList words;
    for (const PdfWord& word : pdfWords(pdf)) words.append(word.text);
    EXPECT_EQ(words, QStringList{"Maschinenteile"});
    // The first cross 2 mm right and 1 mm lower than its place on the form: (815, 2265) to (850, 2300) from
    // the sheet's origin 4 mm above the printable area.
    const QImage part = renderedPart(pdf, QDir(dir.path()), QRect(700, 2100, 300, 300));
    const QRect ink = inkBox(part).translated(700, 2100);
    EXPECT_NEAR(ink.left(), 815, 2);
    EXPECT_NEAR(ink.top(), 2265 - 40, 2);
    EXPECT_NEAR(ink.right() + 1, 850, 2);
    EXPECT_NEAR(ink.bottom() + 1, 2300 - 40, 2);
}
