#pragma once

#include "platform/command/Toolbars.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace platform {

// The toolbar editor: shows or hides each toolbar, makes, renames and deletes the user's toolbars, and puts
// commands on a toolbar, takes them off or moves them. It stays open beside the window and works on the
// toolbars at once.
class ToolbarCustomizeDialog : public QDialog {
    Q_OBJECT

public:
    static const QString kNewToolbarName;  // "Benutzerdefiniert %1"

    // `commands` are the commands offered, in this order.
    ToolbarCustomizeDialog(Toolbars& toolbars, CommandActions& actions, const QList<int>& commands,
                           QWidget* parent);

    QListWidget* toolbarList() const { return m_toolbarList; }
    QListWidget* commandList() const { return m_commandList; }
    QListWidget* buttonList() const { return m_buttonList; }

    void newToolbar();
    void deleteToolbar();
    void resetToolbar();
    void addCommand();
    void addSeparator();
    void removeButton();
    void moveButton(int step);

private:
    QToolBar* selectedToolbar() const;
    void fillToolbars();
    void fillButtons();
    void toolbarItemChanged(QListWidgetItem* item);
    void changeButtons(const std::function<void(QList<int>&, int&)>& change);
    QPushButton* button(const QString& text, void (ToolbarCustomizeDialog::*slot)());

    QPointer<Toolbars> m_toolbars;
    CommandActions& m_actions;
    QListWidget* m_toolbarList;
    QListWidget* m_commandList;
    QListWidget* m_buttonList;
};

}  // namespace platform
