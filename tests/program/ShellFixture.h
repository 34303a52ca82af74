#pragma once

#include "ShellDoubles.h"
#include "app/CMainFrame.h"
#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "platform/docview/ChildFrame.h"
#include "platform/print/PrinterCatalog.h"
#include "tests/support/SplashSetting.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QMenuBar>
#include <QTemporaryDir>
#include <memory>

// The program started as the system starts it, with its dialogs answered by the test: the fixture of the
// shell's tests.

inline QStringList menuTitles(const QMainWindow& window)
{
    QStringList titles;
    for (const QAction* action : window.menuBar()->actions()) titles.append(action->text());
    return titles;
}

class Shell : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::PrinterCatalog::setPrinters({{"Büro", "Lager"}, "Büro"});
        QDir(dir.path()).mkpath("forms");
    }
    void TearDown() override
    {
        if (app) app->ExitInstance();
        app.reset();
        platform::PrinterCatalog::useSystemPrinters();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TestApp& make(const QStringList& arguments)
    {
        storeSplashScreen(dir.filePath("registry"));
        app = std::make_unique<TestApp>(arguments, dir.filePath("registry"));
        return *app;
    }
    bool start(const QStringList& arguments) { return make(arguments).InitInstance(); }

    // A new form of the template at `index` saved as a file.
    QString writeForm(int index, const QString& name)
    {
        TestApp owner({}, dir.filePath("registry"));
        const std::vector<platform::DocTemplate> templates = CreateFormTemplates(owner);
        DetachedForm form = DetachedForm::Create(templates.at(index));
        const QString path = dir.filePath("forms/" + name);
        EXPECT_TRUE(form.doc->OnSaveDocument(path));
        return path;
    }

    CMainFrame& frame() { return *app->mainFrame(); }
    platform::Document* activeDocument()
    {
        return frame().MDIGetActive() ? frame().MDIGetActive()->GetActiveDocument() : nullptr;
    }
    FormTestView* activeView() { return static_cast<FormTestView*>(frame().MDIGetActive()->GetActiveView()); }
    int activeTemplate() { return activeDocument()->docTemplate()->resourceId(); }
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir dir;
    ShellUi ui;
    std::unique_ptr<TestApp> app;
};
