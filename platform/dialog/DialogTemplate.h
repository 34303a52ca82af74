#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <stdexcept>

namespace platform {

// The kinds of control a dialog template can hold.
enum class ControlKind {
    Static,      // text, wrapped at word boundaries like a left-aligned Windows static
    GroupBox,    // a frame with a title, drawn behind the controls it surrounds
    Icon,        // an image from the dialog's image source
    EtchedLine,  // a sunken horizontal line
    CheckBox,    // automatic two-state check box
    ImageCheck,  // a check box that shows one picture when clear and another when set, with a hand cursor
    PushButton,
    DefPushButton,    // the button Enter presses
    LinkButton,       // a push button that looks like a link: blue text, hand cursor
    OwnerDrawButton,  // a push button whose images the dialog supplies (BitmapButton)
    Edit,             // one line of text
    MultiLineEdit,    // lines of text; Enter makes a new line, Tab moves on
    UpDown,           // two arrows that step the whole number in the edit field before it
    DropList,         // a drop-down list to choose from, not to type into
};

// One control: its id (0 for the ones that need none), its text and its rectangle in dialog units.
struct ControlTemplate {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    QString text;
    QRect rect;
    bool readOnly = false;
    // Statics and edit fields: Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight.
    Qt::Alignment alignment = Qt::AlignLeft;
    // A multi-line edit field that scrolls sideways instead of wrapping its lines.
    bool autoHScroll = false;
    int image = 0;         // Icon: the image's resource id; ImageCheck: the picture of the clear box
    int checkedImage = 0;  // ImageCheck: the picture of the set box
};

// A dialog as data: caption, font, size and controls in dialog units; the order of the controls is the tab
// order. The templates are kept as JSON files under res/dialogs and compiled into the program.
struct DialogTemplate {
    int id = 0;
    QString caption;
    QString fontFace;
    int fontPoints = 8;
    QSize size;
    // A pop-up window with a thin border and no title bar.
    bool popup = false;
    QList<ControlTemplate> controls;

    // Reads ":/dialogs/<id>.json"; a missing or malformed template throws, as a missing resource would.
    static DialogTemplate load(int id);
    // The picture of that id that dialogs share: ":/dialogs/<id>.svg".
    static QString imagePath(int id);
    static DialogTemplate fromJson(const QByteArray& json);

    const ControlTemplate* control(int controlId) const;
};

class DialogTemplateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace platform
