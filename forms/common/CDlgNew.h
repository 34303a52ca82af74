#pragma once

#include "platform/dialog/Dialog.h"

#include <QPixmap>
#include <array>

namespace platform {
class BitmapButton;
}

// "Neues Dokument erzeugen": the four forms as picture buttons. A button, or Enter while a button has the
// focus, ends the dialog with the form's number, which picks the document template of that place: 1 EUR.1,
// 2 A.TR., 3 certificate of origin, 4 declaration 848a. "Abbruch", Escape and the close box make none.
class CDlgNew : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 349;
    // The buttons in the order of their numbers.
    static constexpr std::array<int, 4> kButtonIds{1032, 1033, 1034, 1036};

    explicit CDlgNew(QWidget* parent = nullptr);

    int DoModal() { return doModal(); }

    // The images of a button: the form's miniature on the button face, pressed (moved down and right) and
    // with the focus (framed).
    struct Pictures {
        QPixmap normal;
        QPixmap pressed;
        QPixmap focused;
    };
    static Pictures PicturesOf(const QString& miniature);

    int m_nChoice = 0;

protected:
    void onInitDialog() override;
    void onOk() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    platform::BitmapButton* FormButton(int index) const;
    void Choose(int index);
};
