#pragma once

#include "platform/command/Resources.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace platform {

// An accelerator table acting on one window: a key of the table is turned into its command before any
// widget of the window sees it, whether the command is enabled or not, so that no key of the table ever
// reaches the field being edited. Dialogs and open menus keep their keys.
class AcceleratorFilter : public QObject {
    Q_OBJECT

public:
    using Execute = std::function<void(int commandId)>;

    AcceleratorFilter(QWidget* window, QList<Accelerator> table, Execute execute);
    ~AcceleratorFilter() override;

    // The command of a key, 0 when the table has none.
    int commandFor(QKeyCombination key) const;
    // Shift+Tab arrives as Backtab; the keypad flag and the key's text play no part.
    static QKeyCombination normalized(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isForWindow(QObject* receiver) const;

    QPointer<QWidget> m_window;
    QList<Accelerator> m_table;
    Execute m_execute;
};

}  // namespace platform
