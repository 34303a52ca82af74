#pragma once

#include "tests/support/AnsweringUi.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QList>
#include <functional>

// Stands in for the person at the screen while it lives: a dialog run modally is shown without waiting and
// worked by the test's script, message boxes are answered OK and kept, task dialogs are not offered.
class ScriptedUi : public AnsweringUi {
public:
    using Script = std::function<void(QDialog&)>;
    // What runDialog answers when the script left the dialog open.
    static constexpr int kStillOpen = -1;

    ScriptedUi() { offersTaskDialogs = false; }

    int runDialog(QDialog& dialog) override
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        if (script) script(dialog);
        if (!dialog.isVisible()) return dialog.result();
        dialog.hide();
        return kStillOpen;
    }

    Script script;
};
