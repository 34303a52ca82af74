#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace platform {

// A push button drawn entirely by its images: one when it is up, one when it is pressed, one when it has the
// focus. Without images it draws nothing, like an owner-drawn button nobody draws.
class BitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit BitmapButton(QWidget* parent = nullptr);

    // The button takes the size of its images.
    void loadBitmaps(const QPixmap& normal, const QPixmap& pressed, const QPixmap& focused);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& currentImage() const;

    QPixmap m_normal;
    QPixmap m_pressed;
    QPixmap m_focused;
};

}  // namespace platform
