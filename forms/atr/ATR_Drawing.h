#pragma once

#include "forms/common/FormDrawing.h"

// The printed matter of the A.TR. form: its boxes 1 to 13, the association box and every caption, and the
// one dotted line of its page 2.
extern const FormPageDrawing ATR_Page1Drawing;
extern const FormPageDrawing ATR_Page2Drawing;
// The fonts of its captions, by ATR_Font.
namespace ATR_Font {
enum : std::uint8_t { Title, Heading, Small, Caption };
}
extern const FormFontSpec ATR_Fonts[4];
