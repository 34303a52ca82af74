#pragma once

#include "platform/command/CommandActions.h"

#include <QList>
#include <QMainWindow>
#include <QObject>
#include <QToolBar>

namespace platform {

// The toolbars of a main window: those of the program's resources and up to ten that the user makes, each
// with the buttons the user gave it. A toolbar's object name stays the same from run to run, so that the
// window can restore where the toolbars stood.
class Toolbars : public QObject {
    Q_OBJECT

public:
    static constexpr int kMostUserToolbars = 10;

    Toolbars(QMainWindow& window, CommandActions& actions);

    // A toolbar of the resources with its buttons (0 a separator), docked at the top.
    QToolBar* addResourceToolbar(int resourceId, const QString& name, const QList<int>& buttons);
    // A new, empty toolbar of the user; null when all ten exist. `id` picks one of the reserved ids, 0 the
    // first free one.
    QToolBar* createUserToolbar(const QString& name, int id = 0);
    void deleteUserToolbar(QToolBar* toolbar);

    QList<QToolBar*> toolbars() const { return m_toolbars; }
    QToolBar* findById(int id) const;
    int idOf(const QToolBar& toolbar) const;
    bool isUserToolbar(const QToolBar& toolbar) const;

    QList<int> buttons(const QToolBar& toolbar) const;
    // Separators that would stand first, last or beside another are left out.
    void setButtons(QToolBar& toolbar, const QList<int>& buttons);
    // A toolbar of the resources gets its buttons back; a user's toolbar is emptied.
    void resetButtons(QToolBar& toolbar);
    // Whether the buttons differ from those of the resources.
    bool isChanged(const QToolBar& toolbar) const;

    // The text form of a button list, "57600,0,57601", and back. Read back, the list keeps each command of
    // `offered` once and a separator only between buttons; the rest is left out.
    static QString buttonsText(const QList<int>& buttons);
    static QList<int> buttonsFromText(const QString& text, const QList<int>& offered);
    // The buttons with a separator only between two buttons: none first, last or twice in a row.
    static QList<int> withSeparatorsBetweenButtons(const QList<int>& buttons);

signals:
    void toolbarsChanged();

private:
    QToolBar* addToolbar(int id, const QString& name, const QList<int>& buttons);

    QMainWindow& m_window;
    CommandActions& m_actions;
    QList<QToolBar*> m_toolbars;
    QHash<const QToolBar*, int> m_ids;
    QHash<const QToolBar*, QList<int>> m_buttons;
    QHash<const QToolBar*, QList<int>> m_resourceButtons;
};

}  // namespace platform
