#pragma once

#include <QAbstractButton>

namespace platform {

// The close button of a document tab, drawn by the style as the tab bar draws its own.
class TabCloseButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit TabCloseButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
