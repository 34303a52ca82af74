#pragma once

#include "forms/FormTemplates.h"
#include "forms/atr/CATR_View.h"
#include "forms/common/DetachedForm.h"
#include "forms/print/CDlgDrucken.h"
#include "forms/print/Common_DlgMargin01.h"
#include "platform/docview/ChildFrame.h"
#include "program/CKalvenportExportApp.h"
#include "tests/program/ShellDoubles.h"
#include "tests/support/SplashSetting.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>

// The program on an A.TR. with the exporter "Brandel" in box 1: Ctrl+P in the form's window, and a person
// who answers each dialog that follows in turn and notes what it showed.
class ProgramPrinting : public ::testing::Test {
protected:
    using Answer = std::function<void(QDialog&)>;

    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    static constexpr int kCopies = 1003;
    static constexpr int kPrinterName = 1009;
    static constexpr int kAlwaysThisPrinter = 1015;
    static constexpr int kPrinterChoice = 1016;

    // What the print dialog showed when it was open.
    struct PrintDialogSeen {
        QString printer;
        bool alwaysThisPrinter = false;
        QString applicationPrinter;
    };

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ui.dialogScript = [this](QDialog& dialog) { answer(dialog); };
        form = writeForm();
    }
    void TearDown() override { stop(); }

    QString writeForm()
    {
        CQELWinAppEx owner(dir.filePath("registry"));
        const QString path = dir.filePath("lieferung.fma");
        const std::vector<platform::DocTemplate> templates = CreateFormTemplates(owner);
        DetachedForm atr = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, path));
        atr.doc->OnNewDocument();
        atr.editor().SetFieldText(0, "Brandel", 1);
        EXPECT_TRUE(atr.doc->OnSaveDocument(path));
        return path;
    }

    // The program on the form, with the settings of `ints` and `texts` in place.
    void startProgram()
    {
        stop();
        storeSplashScreen(dir.filePath("registry"));
        app = std::make_unique<CKalvenportExportApp>(QStringList{form}, dir.filePath("registry"),
                                                     "/opt/kalvenport/kalvenport-zuzaza");
        ASSERT_TRUE(app->InitInstance());
        for (const auto& [value, number] : ints) app->WriteProfileInt(value, number);
        for (const auto& [value, text] : texts) app->WriteProfileString(value, text);
        platform::ChildFrame* child = app->mainFrame()->MDIGetActive();
        ASSERT_NE(child, nullptr);
        view = dynamic_cast<CATR_View*>(child->GetActiveView());
        ASSERT_NE(view, nullptr);
        // The first paint creates the form's edit window.
        view->viewport()->grab();
        ASSERT_NE(view->FieldEditor().LiveWindow(), nullptr);
    }
    void stop()
    {
        if (app) app->ExitInstance();
        view = nullptr;
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Ctrl+P in the form's edit window, the dialogs answered in turn.
    void pressPrint(QList<Answer> dialogAnswers)
    {
        ASSERT_NE(view, nullptr);
        answers = std::move(dialogAnswers);
        shown.clear();
        QTest::keyClick(view->FieldEditor().LiveWindow(), Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(answers.isEmpty()) << answers.size() << " dialogs less than expected";
    }

    void answer(QDialog& dialog)
    {
        if (auto* print = dynamic_cast<CDlgDrucken*>(&dialog)) {
            shown.append("print");
            seen.append({print->itemAs<QLabel>(kPrinterName)->text(),
                         print->itemAs<QCheckBox>(kAlwaysThisPrinter)->isChecked(), app->m_printer.name()});
        } else if (dynamic_cast<Common_DlgMargin01*>(&dialog)) {
            shown.append("margins");
        } else if (qobject_cast<QPrintDialog*>(&dialog)) {
            shown.append("set-up");
        } else {
            shown.append(dialog.windowTitle());
        }
        helpContexts.append(app->m_nHelpContext);
        if (!answers.isEmpty()) answers.takeFirst()(dialog);
    }

    static void click(QDialog& dialog, int id)
    {
        auto* button = dialog.findChild<QAbstractButton*>(QString::number(id));
        ASSERT_NE(button, nullptr) << id;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static Answer ok()
    {
        return [](QDialog& dialog) { click(dialog, kOk); };
    }
    static Answer cancel()
    {
        return [](QDialog& dialog) { click(dialog, kCancel); };
    }
    static Answer choosePrinter()
    {
        return [](QDialog& dialog) { click(dialog, kPrinterChoice); };
    }
    static Answer closeSetUp()
    {
        return [](QDialog& dialog) { dialog.reject(); };
    }
    static Answer printCopies(const QString& copies, std::optional<bool> alwaysThisPrinter = {})
    {
        return [=](QDialog& dialog) {
            auto& print = static_cast<CDlgDrucken&>(dialog);
            print.itemAs<QLineEdit>(kCopies)->setText(copies);
            if (alwaysThisPrinter)
                print.itemAs<QCheckBox>(kAlwaysThisPrinter)->setChecked(*alwaysThisPrinter);
            click(dialog, kOk);
        };
    }

    QString atr(const settings::FormTextValue& value)
    {
        return app->GetProfileString(value.in(settings::kATRSection));
    }
    int atr(const settings::FormIntValue& value)
    {
        return app->GetProfileInt(value.in(settings::kATRSection));
    }

    QTemporaryDir dir;
    QString form;
    ShellUi ui;
    // Settings put in place when the program has started.
    QList<std::pair<settings::IntValue, int>> ints;
    QList<std::pair<settings::TextValue, QString>> texts;
    std::unique_ptr<CKalvenportExportApp> app;
    CATR_View* view = nullptr;
    QList<Answer> answers;
    QStringList shown;
    QList<PrintDialogSeen> seen;
    QList<int> helpContexts;
};
