#pragma once

#include "platform/dialog/UiService.h"

#include <QList>
#include <QStringList>

// Answers every question of the program while it lives, and keeps what was asked.
class AnsweringUi : public platform::UiService {
public:
    AnsweringUi() { setInstance(this); }
    ~AnsweringUi() override { setInstance(nullptr); }

    int messageBox(const platform::MessageBoxRequest& request) override
    {
        messageBoxes.append(request);
        return messageBoxAnswer;
    }
    bool hasTaskDialogs() const override { return offersTaskDialogs; }
    int taskDialog(const platform::TaskDialogRequest& request) override
    {
        taskDialogs.append(request);
        return taskDialogAnswer;
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto& request : messageBoxes) texts.append(request.text);
        return texts;
    }

    bool offersTaskDialogs = true;
    int messageBoxAnswer = platform::answer::kOk;
    int taskDialogAnswer = platform::answer::kCancel;
    QList<platform::MessageBoxRequest> messageBoxes;
    QList<platform::TaskDialogRequest> taskDialogs;
};
