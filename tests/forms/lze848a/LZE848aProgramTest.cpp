// The declaration 848a in the program: a form open when the two-line option changes keeps printing as it
// was opened, a form opened afterwards prints with the new option. Ctrl+P in the form's window, every dialog
// answered OK, the job going into a PDF file.

#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "forms/common/FormCommandIds.h"
#include "forms/lze848a/CLZE_848a_View.h"
#include "platform/docview/ChildFrame.h"
#include "program/CKalvenportExportApp.h"
#include "tests/program/ShellDoubles.h"
#include "tests/support/PdfWords.h"
#include "tests/support/SplashSetting.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace {

constexpr int kOk = 1;

class LZE848aProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
        ASSERT_TRUE(dir.isValid());
        ui.dialogScript = [this](QDialog& dialog) {
            shown.append(dialog.windowTitle());
            QTest::mouseClick(dialog.findChild<QAbstractButton*>(QString::number(kOk)), Qt::LeftButton);
        };
    }
    void TearDown() override
    {
        if (app) app->ExitInstance();
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A form with "Waren" in field 0, the goods.
    QString writeForm(const QString& name)
    {
        CQELWinAppEx owner(registry());
        const QString path = dir.filePath(name);
        const std::vector<platform::DocTemplate> templates = CreateFormTemplates(owner);
        DetachedForm lze = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, path));
        lze.doc->OnNewDocument();
        lze.editor().SetFieldText(0, "Waren", 1);
        EXPECT_TRUE(lze.doc->OnSaveDocument(path));
        return path;
    }
    void start(const QString& form)
    {
        storeSplashScreen(registry());
        app = std::make_unique<CKalvenportExportApp>(QStringList{form}, registry(),
                                                     "/opt/kalvenport/kalvenport-zuzaza");
        ASSERT_TRUE(app->InitInstance());
        app->m_printer.printer().setOutputFileName(pdf);
    }
    CLZE_848a_View* activeView()
    {
        platform::ChildFrame* child = app->mainFrame()->MDIGetActive();
        auto* view = child ? dynamic_cast<CLZE_848a_View*>(child->GetActiveView()) : nullptr;
        // The first paint creates the form's edit window.
        if (view) view->viewport()->grab();
        return view;
    }
    // Ctrl+P in the active form's window; where the goods were printed, in millimetres from the sheet's top.
    std::optional<double> printedGoodsTop()
    {
        CLZE_848a_View* view = activeView();
        if (!view || !view->FieldEditor().LiveWindow()) return std::nullopt;
        QFile::remove(pdf);
        QTest::keyClick(view->FieldEditor().LiveWindow(), Qt::Key_P, Qt::ControlModifier);
        for (const PdfWord& word : pdfWords(pdf))
            if (word.text == "Waren") return word.mm.top();
        return std::nullopt;
    }
    QString registry() const { return dir.filePath("registry"); }

    QTemporaryDir dir;
    QString pdf = dir.filePath("job.pdf");
    ShellUi ui;
    QStringList shown;
    std::unique_ptr<CKalvenportExportApp> app;
};

}  // namespace

TEST_F(LZE848aProgram, AFormPrintsWithTheTwoLineOptionItWasOpenedWith)
{
    const QString first = writeForm("erste.lz1");
    const QString second = writeForm("zweite.lz1");
    start(first);
    ASSERT_NE(activeView(), nullptr);
    // On one line the goods print 56 mm down the sheet: 60 mm on the form, 4 mm above the sheet's origin.
    EXPECT_NEAR(printedGoodsTop().value_or(0), 56.0, 0.2);
    EXPECT_EQ(shown, QStringList({"Ränder beim Ausdruck für 848a", "Langzeit-Lieferantenerklärung drucken"}));

    ASSERT_TRUE(app->mainFrame()->ExecuteCommand(formcmd::kTwoLineFields));
    EXPECT_EQ(ui.messages,
              QStringList{"Eine Änderung der Einstellung wird erst ab dem nächsten Dokument wirksam!"});
    EXPECT_NEAR(printedGoodsTop().value_or(0), 56.0, 0.2);

    // With two lines they start 3.4 mm higher.
    ASSERT_NE(app->OpenDocumentFile(second), nullptr);
    EXPECT_NEAR(printedGoodsTop().value_or(0), 52.6, 0.2);
}
