#include "ShellFixture.h"
#include "app/SettingsKeys.h"
#include "forms/common/CDlgNew.h"
#include "platform/file/FileName.h"
#include "platform/shell/CommandLine.h"
#include "platform/shell/DesktopFile.h"
#include "platform/shell/SystemInfo.h"
#include "tests/support/FileReplacements.h"
#include "tests/support/FullDisk.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>
#include <cstdio>
#include <iostream>

using platform::Document;

TEST_F(Shell, AnEmptyCommandLineShowsTheChooserBeforeTheFrameAndCancellingLeavesTheFrameWithoutAForm)
{
    bool frameShownDuringChooser = true;
    make({});
    ui.dialogScript = [&](QDialog&) {
        frameShownDuringChooser = app->mainFrame() && app->mainFrame()->isVisible();
    };
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(ui.dialogs, QStringList({"Neues Dokument erzeugen"}));
    EXPECT_FALSE(frameShownDuringChooser);
    EXPECT_TRUE(frame().isVisible());
    EXPECT_TRUE(frame().windowState() & Qt::WindowMaximized);
    EXPECT_EQ(frame().currentMenuId(), 128);
    EXPECT_EQ(menuTitles(frame()), QStringList({"&Datei", "&Optionen", "&Ansicht", "&Hilfe"}));
    EXPECT_TRUE(frame().childFrames().isEmpty());
    EXPECT_EQ(frame().windowTitle(), "Kalvenport-Zuzaza");
    EXPECT_TRUE(frame().statusPaneText(1).isEmpty());
    EXPECT_TRUE(frame().statusPaneText(2).isEmpty());
}

TEST_F(Shell, AFirstStartReplacesTheSettingsFilesAFewTimesAndALaterStartThatChangesNothingNever)
{
    QDir().mkpath(dir.filePath("registry"));
    FileReplacements replaced(dir.filePath("registry"));
    ui.dialogScript = [](QDialog& chooser) {
        QTest::mouseClick(chooser.findChild<QWidget*>("1033"), Qt::LeftButton);
    };
    QList<int> counts;
    // The window system places a window shown with a saved place a frame's height lower than it stood on
    // the first start; the window keeps the saved place all the same, so neither later start writes.
    for (const char* run : {"first start", "second start", "third start"}) {
        ASSERT_TRUE(start({}));
        ASSERT_TRUE(activeDocument()) << run;
        activeView()->viewport()->repaint();
        app->m_docManager.CloseAllDocuments();
        app->ExitInstance();
        app.reset();
        const QStringList files = replaced.take().filter(QRegularExpression("\\.reg$"));
        counts.append(files.size());
        std::cout << run << ": " << files.size() << " replacements of a settings file ("
                  << files.join(", ").toStdString() << ")\n";
    }
    EXPECT_LE(counts[0], 10);
    EXPECT_EQ(counts[1], 0);
    EXPECT_EQ(counts[2], 0);
}

// The registration's files are written once the window has painted, or at the end of a program that never
// painted, never on the way to the first paint.
TEST_F(Shell, TheRegistrationIsWrittenAfterTheFirstPaintOrAtTheEnd)
{
    const QString classes = dir.filePath("registry/HKEY_CLASSES_ROOT.reg");
    for (const bool painted : {true, false}) {
        SCOPED_TRACE(painted ? "painted" : "ended before painting");
        QFile::remove(classes);
        ASSERT_TRUE(start({writeForm(1, "lieferung.fma")}));
        EXPECT_FALSE(QFile::exists(classes));
        if (painted) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame()));
            EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(classes); }, 2000));
        }
        app->ExitInstance();
        app.reset();
        EXPECT_TRUE(QFile::exists(classes));
    }
}

// The windows carry the name of the desktop entry the program writes, by which the taskbar groups them.
TEST_F(Shell, TheWindowsNameTheDesktopEntryTheProgramWrites)
{
    QGuiApplication::setDesktopFileName({});
    ASSERT_TRUE(start({}));
    app->ExitInstance();
    app.reset();
    const QString name = QGuiApplication::desktopFileName();
    EXPECT_FALSE(name.isEmpty());
    const QByteArray entry =
        contentsOf(platform::systeminfo::dataHome() + "/applications/" + name + ".desktop");
    ASSERT_FALSE(entry.isEmpty()) << name.toStdString();
    // Qt names the class of the windows on X11 after the application.
    EXPECT_EQ(platform::desktopfile::value(entry, u"Desktop Entry", u"StartupWMClass"),
              QCoreApplication::applicationName());
}

TEST_F(Shell, TheSizeTheWindowWasGivenIsWhereItGoesBackToAtTheNextStart)
{
    const QRect placed(120, 90, 700, 500);
    for (const char* run : {"first start", "sized", "next start"}) {
        SCOPED_TRACE(run);
        ASSERT_TRUE(start({}));
        if (std::string_view(run) == "sized") {
            frame().showNormal();
            frame().setGeometry(placed);
            QCoreApplication::processEvents();
        }
        if (std::string_view(run) == "next start") {
            EXPECT_TRUE(frame().isMaximized());
            EXPECT_EQ(frame().normalGeometry().size(), placed.size());
        }
        app->ExitInstance();
        app.reset();
    }
}

TEST_F(Shell, TheChoiceInTheChooserPicksTheTemplateOfThatPlace)
{
    struct Case {
        int button;
        int resourceId;
        QString title;
    };
    for (const Case& c : {Case{1032, 131, "Euform1"}, Case{1033, 132, "ATRform1"}, Case{1034, 133, "UZform1"},
                          Case{1036, 134, "LZErk1"}}) {
        ui.dialogScript = [&](QDialog& dialog) {
            QTest::mouseClick(dialog.findChild<QWidget*>(QString::number(c.button)), Qt::LeftButton);
        };
        ASSERT_TRUE(start({}));
        const Document* document = activeDocument();
        ASSERT_TRUE(document) << c.button;
        EXPECT_EQ(activeTemplate(), c.resourceId);
        EXPECT_EQ(document->title(), c.title);
        EXPECT_EQ(frame().currentMenuId(), c.resourceId);
        EXPECT_EQ(frame().windowTitle(), "Kalvenport-Zuzaza - " + c.title);
        app->m_docManager.CloseAllDocuments();
        app.reset();
    }
}

// A letter of the forms' labels chooses its form from any button without Alt, as in a dialog on Windows; a
// letter that no label has does nothing.
TEST_F(Shell, EnterChoosesTheFormWhoseButtonHasTheFocusALetterItsFormAndAbbruchCancels)
{
    struct Case {
        const char* focus;
        int key;
        int result;
        int choice;
    };
    for (const Case& c :
         {Case{"1033", Qt::Key_Return, platform::answer::kOk, 2},
          Case{"1036", Qt::Key_Enter, platform::answer::kOk, 4},
          Case{"2", Qt::Key_Return, platform::answer::kCancel, 0},
          Case{"1032", Qt::Key_Escape, platform::answer::kCancel, 0},
          Case{"1032", Qt::Key_U, platform::answer::kOk, 3}, Case{"2", Qt::Key_L, platform::answer::kOk, 4},
          Case{"1036", Qt::Key_E, platform::answer::kOk, 1},
          Case{"1033", Qt::Key_X, platform::answer::kCancel, 0}}) {
        CDlgNew dialog;
        ui.dialogScript = [&](QDialog& shown) {
            QWidget* target = shown.findChild<QWidget*>(c.focus);
            target->setFocus();
            QTest::keyClick(target, static_cast<Qt::Key>(c.key));
        };
        EXPECT_EQ(dialog.DoModal(), c.result) << c.focus;
        EXPECT_EQ(dialog.m_nChoice, c.choice) << c.focus;
    }
}

TEST_F(Shell, TheFirstArgumentIsOpenedWholeAsOnePathAndOnlyTheWholeArgumentResets)
{
    for (const char* name :
         {"Meine Lieferung.fma", "lead.fma", " blank.fma", "blank.fma", "q.fma", "notes.fma"})
        writeForm(1, name);
    // A name from a system whose names are Latin-1: its "ä" is no UTF-8.
    const char* latin1Argv[] = {"kz", "\xE4rger.fma"};
    ::rename(QFile::encodeName(writeForm(1, "latin1.fma")).constData(),
             QFile::encodeName(dir.filePath("forms")) + "/\xE4rger.fma");
    // The names are given as a shell passes them, relative to the folder the program starts in.
    const QString started = QDir::currentPath();
    QDir::setCurrent(dir.filePath("forms"));
    SettingsStore store(dir.filePath("registry"), "Software\\Brandel\\Kalvenport-Zuzaza");
    struct Case {
        QStringList arguments;
        QString opens;  // the form opened; empty: none, the failed open is told
        bool resets;
    };
    const Case cases[] = {
        {{"Meine Lieferung.fma"}, "Meine Lieferung.fma", false},
        {{" blank.fma"}, " blank.fma", false},
        {platform::commandline::arguments(2, latin1Argv), platform::filename::fromNative("\xE4rger.fma"),
         false},
        {{" lead.fma"}, {}, false},
        {{"\"q.fma"}, {}, false},
        {{"\"q.fma\""}, {}, false},
        {{"lead.fma", "q.fma"}, "lead.fma", false},
        {{"-resetworkspace notes.fma"}, {}, false},
        {{"-resetworkspaceXYZ"}, {}, false},
        {{"-resetworkspace", "notes.fma"}, {}, true},
    };
    for (const Case& c : cases) {
        const QString row = c.arguments.join(u'|');
        store.WriteProfileString(settings::kWindowState, u"alt");
        ui.messages.clear();
        EXPECT_EQ(start(c.arguments), !c.resets) << row.toStdString();
        EXPECT_EQ(store.GetProfileString(settings::kWindowState).isEmpty(), c.resets) << row.toStdString();
        if (c.resets) {
            EXPECT_EQ(app->mainFrame(), nullptr) << row.toStdString();
        } else if (!c.opens.isEmpty()) {
            const Document* document = activeDocument();
            ASSERT_TRUE(document) << row.toStdString();
            const QString path = document->pathName();
            EXPECT_EQ(QFileInfo(path).absoluteFilePath(),
                      QDir(dir.filePath("forms")).absoluteFilePath(c.opens))
                << row.toStdString();
            EXPECT_EQ(activeTemplate(), 132);
            EXPECT_EQ(app->m_recentFileList.entries().value(0), path);
            EXPECT_TRUE(ui.messages.isEmpty()) << row.toStdString();
        } else {
            EXPECT_EQ(activeDocument(), nullptr) << row.toStdString();
            ASSERT_EQ(ui.messages.size(), 1) << row.toStdString();
            EXPECT_TRUE(
                ui.messages[0].endsWith("\n" + c.arguments[0] + ": Datei oder Ordner nicht gefunden."))
                << ui.messages[0].toStdString();
        }
        EXPECT_TRUE(ui.dialogs.isEmpty()) << row.toStdString();
        app.reset();
    }
    QDir::setCurrent(started);
}

TEST_F(Shell, ResetWorkspaceDeletesTheWorkspaceShowsNoWindowAndEnds)
{
    SettingsStore store(dir.filePath("registry"), "Software\\Brandel\\Kalvenport-Zuzaza");
    store.WriteProfileString(settings::kWindowState, u"alt");
    store.WriteProfileString(settings::kUserToolbarName.in(u"Workspace\\UserToolbar59432"), u"Meine");
    store.WriteProfileInt(settings::kNoFileFilter, 1);
    store.WriteProfileString(settings::kRecentFiles[0], u"/f/a.fme");

    for (const QStringList& arguments :
         {QStringList{"-resetworkspace"}, QStringList{"-resetworkspace", "a.fme"}}) {
        EXPECT_FALSE(start(arguments));
        EXPECT_EQ(app->mainFrame(), nullptr);
        for (QWidget* window : QApplication::topLevelWidgets()) EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(app->ExitInstance(), 0);
        app.reset();
        EXPECT_TRUE(store.GetProfileString(settings::kWindowState).isEmpty());
        EXPECT_TRUE(
            store.GetProfileString(settings::kUserToolbarName.in(u"Workspace\\UserToolbar59432")).isEmpty());
        EXPECT_EQ(store.GetProfileInt(settings::kNoFileFilter), 1);
        EXPECT_EQ(
            store.GetProfileString(settings::kRecentFiles[0].section, settings::kRecentFiles[0].name, {}),
            "/f/a.fme");
    }
}

TEST_F(Shell, AResetSwitchThatCannotBeStoredSaysSoAndEndsWithAnExitCodeNotZero)
{
    FullDisk disk;
    if (disk.unavailable()) GTEST_SKIP() << disk.unavailable();
    SettingsStore store(disk.path("registry"), "Software\\Brandel\\Kalvenport-Zuzaza");
    ASSERT_TRUE(store.WriteProfileString(settings::kWindowState, u"alt"));
    disk.fill();
    app = std::make_unique<TestApp>(QStringList{"-resetworkspace"}, disk.path("registry"));
    EXPECT_FALSE(app->InitInstance());
    EXPECT_EQ(app->mainFrame(), nullptr);
    EXPECT_NE(app->ExitInstance(), 0);
    EXPECT_EQ(store.GetProfileString(settings::kWindowState), "alt");
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].startsWith(platform::kSettingsNotStoredMessage));
    app.reset();
}

TEST_F(Shell, AnLz2FileOpensAnUntitledEur1FormWithStatus18)
{
    const QString path = dir.filePath("forms/alt.lz2");
    writeFile(path, "QEL-LZE2Form@ und mehr");

    ASSERT_TRUE(start({path}));
    auto* document = static_cast<FormDocument*>(activeDocument());
    ASSERT_TRUE(document);
    EXPECT_EQ(activeTemplate(), 131);
    EXPECT_EQ(document->m_nLoadStatus, 18);
    EXPECT_TRUE(document->pathName().isEmpty());
    EXPECT_EQ(document->title(), "Euform1");
    EXPECT_TRUE(app->m_recentFileList.entries().isEmpty());
}
