#pragma once

#include "editor/CQeEditWindow.h"

#include <functional>

// The field editor as the form views embed it: the live window belongs to the form around it. The Insert
// key also updates the view's status bar, Page Up and Page Down scroll the form by 70 mm after moving the
// caret, and the mouse wheel scrolls the form rather than the field.
class CQELEditWindow : public CQeEditWindow {
public:
    // Logical units of the view that Page Up and Page Down scroll.
    static constexpr int kPageScroll = 700;

    // `updateStatusPanes` is the view's; it runs whenever the Insert key switched the mode.
    explicit CQELEditWindow(std::function<void()> updateStatusPanes, const SettingsStore* settings = nullptr,
                            int language = 0);

    // Shows a tip with a bold title at the caret for `milliseconds`; a second tip replaces the first.
    void ShowBalloonTip(const QString& title, const QString& text, int milliseconds);

protected:
    void OnKeyDown(QKeyEvent* event) override;
    void OnMouseWheel(QWheelEvent* event) override;

private:
    std::function<void()> m_updateStatusPanes;
};
