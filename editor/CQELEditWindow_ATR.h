#pragma once

#include "editor/CQELEditWindow.h"

// The field editor of the A.TR. view.
class CQELEditWindow_ATR : public CQELEditWindow {
public:
    using CQELEditWindow::CQELEditWindow;
};
