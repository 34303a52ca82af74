#pragma once

#include "app/CQELWinAppEx.h"
#include "platform/dialog/HelpContext.h"
#include "tests/platform/ScriptedUi.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>

// An application with fresh settings, a person at the screen who follows the test's script, and a help
// window that notes which topics were asked for.
class PrintDialogFixture : public ::testing::Test {
protected:
    static constexpr int kAppHelpContext = 100;

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(app.InitInstance());
        platform::HelpContext::setShowHelp([this] { helpTopics.append(app.m_nHelpContext); });
    }
    void TearDown() override { platform::HelpContext::setShowHelp({}); }

    static void click(QWidget* button)
    {
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void click(QWidget& dialog, int id)
    {
        click(dialog.findChild<QAbstractButton*>(QString::number(id)));
    }

    QTemporaryDir folder;
    CQELWinAppEx app{folder.path()};
    ScriptedUi ui;
    QList<int> helpTopics;
};
