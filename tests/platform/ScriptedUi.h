#pragma once

#include "platform/dialog/UiService.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QList>
#include <functional>

// Stands in for the person at the screen while it lives: a dialog run modally is shown without waiting and
// worked by the test's script, message boxes are answered OK and kept.
class ScriptedUi : public platform::UiService {
public:
    using Script = std::function<void(QDialog&)>;
    // What runDialog answers when the script left the dialog open.
    static constexpr int kStillOpen = -1;

    ScriptedUi() { setInstance(this); }
    ~ScriptedUi() override { setInstance(nullptr); }

    int messageBox(const platform::MessageBoxRequest& request) override
    {
        messageBoxes.append(request);
        return platform::answer::kOk;
    }
    bool hasTaskDialogs() const override { return false; }
    int taskDialog(const platform::TaskDialogRequest&) override { return platform::answer::kCancel; }

    int runDialog(QDialog& dialog) override
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        if (script) script(dialog);
        if (!dialog.isVisible()) return dialog.result();
        dialog.hide();
        return kStillOpen;
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto& request : messageBoxes) texts.append(request.text);
        return texts;
    }

    Script script;
    QList<platform::MessageBoxRequest> messageBoxes;
};
