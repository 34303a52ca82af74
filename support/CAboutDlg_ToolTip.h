#pragma once

#include "platform/dialog/ToolTip.h"

#include <QString>

// The tips of the About box, from the string table (German in every language); the homepage's button names
// the homepage in its title and its description.
class CAboutDlg_ToolTip : public platform::ToolTip {
public:
    explicit CAboutDlg_ToolTip(QString homepage) : m_strHomepage(std::move(homepage)) {}

    // Registers the box's buttons, each with its title.
    void AddTools(QWidget& dialog);

    // The control whose tip showed last; 0 before the first.
    int m_nTipCtrlId = 0;

protected:
    void onShow(int controlId) override;

private:
    QString m_strHomepage;
};
