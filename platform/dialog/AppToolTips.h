#pragma once

#include "platform/dialog/ToolTipParams.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QWidget;

namespace platform {

class ToolTipWindow;

// Every tip of the program drawn as a rich tip with the program's look: a widget's tip text as the title
// and, where its status text says more (a command's prompt), that text as the description below it. A
// dialog's own rich tips and widgets without a tip text are left to themselves.
class AppToolTips : public QObject {
    Q_OBJECT
public:
    explicit AppToolTips(const ToolTipParams& params);
    ~AppToolTips() override;

    // The tip that shows now, or a null pointer.
    const ToolTipWindow* window() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool show(QWidget& widget, const QPoint& globalPos);
    void hide();

    ToolTipParams m_params;
    std::unique_ptr<ToolTipWindow> m_window;
    QPointer<QWidget> m_tipped;
};

}  // namespace platform
