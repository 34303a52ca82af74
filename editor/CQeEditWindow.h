#pragma once

// The field editor of a form view.
class CQeEditWindow {
public:
    CQeEditWindow();
};
