#pragma once

#include "editor/CQELEditWindow.h"

// The field editor of the declaration 848a view.
class CQELEditWindow_LZE848a : public CQELEditWindow {
public:
    using CQELEditWindow::CQELEditWindow;
};
