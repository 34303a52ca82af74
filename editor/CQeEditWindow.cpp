#include "editor/CQeEditWindow.h"

CQeEditWindow::CQeEditWindow() = default;
