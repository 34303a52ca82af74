#pragma once

#include "editor/CQELEditWindow.h"

// The field editor of the certificate of origin view.
class CQELEditWindow_UZ : public CQELEditWindow {
public:
    using CQELEditWindow::CQELEditWindow;
};
