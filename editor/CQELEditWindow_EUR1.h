#pragma once

#include "editor/CQELEditWindow.h"

// The field editor of the EUR.1 view.
class CQELEditWindow_EUR1 : public CQELEditWindow {
public:
    using CQELEditWindow::CQELEditWindow;
};
