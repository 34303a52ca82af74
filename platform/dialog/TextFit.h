#pragma once

#include <QString>

class QWidget;

namespace platform {

// Whether a control shows all of its text at its present size: a label wrapped within its rectangle, the
// text of a button, check box, group box title, edit field or list item in full. Controls without text fit.
bool textFits(const QWidget& control);

// The text as drawn: "&" marks the mnemonic and "&&" stands for one "&".
QString withoutMnemonic(const QString& text);

}  // namespace platform
