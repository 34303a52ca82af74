#pragma once

#include "platform/dialog/ToolTipParams.h"

#include <QTimer>
#include <QWidget>

namespace platform {

// The window of one rich tip: title, separator and wrapped description on a gradient with rounded corners.
class ToolTipWindow : public QWidget {
    Q_OBJECT
public:
    explicit ToolTipWindow(QWidget* parent);

    void showTip(const QString& title, const QString& description, const ToolTipParams& params,
                 const QPoint& globalPos);

    const QString& title() const { return m_title; }
    const QString& description() const { return m_description; }
    const ToolTipLayout& tipLayout() const { return m_layout; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    QString m_description;
    ToolTipParams m_params;
    ToolTipLayout m_layout;
    QTimer m_hideTimer;
};

}  // namespace platform
