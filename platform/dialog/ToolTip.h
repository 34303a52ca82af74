#pragma once

#include "platform/dialog/ToolTipParams.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

namespace platform {

class ToolTipWindow;

// The rich tips of one dialog: a title per control, given when the control is registered, and a description
// that the dialog picks each time a tip is about to show (onShow). Hovering is noticed by the tip itself, so
// the dialog relays nothing.
class ToolTip : public QObject {
    Q_OBJECT
public:
    ToolTip();
    ~ToolTip() override;

    // The tip window belongs to the dialog and goes with it.
    void create(QWidget& dialog);
    void setParams(const ToolTipParams& params) { m_params = params; }
    const ToolTipParams& params() const { return m_params; }
    void addTool(QWidget* control, const QString& title);
    void setDescription(const QString& description) { m_description = description; }

    // The tip that shows now, or a null pointer.
    const ToolTipWindow* window() const;

protected:
    // A tip of the control with that id is about to show: the place to set its description.
    virtual void onShow(int controlId) = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(QWidget& control, const QPoint& globalPos);
    void hide();

    ToolTipParams m_params;
    QHash<const QObject*, QString> m_titles;
    QString m_description;
    QPointer<ToolTipWindow> m_window;
};

}  // namespace platform
