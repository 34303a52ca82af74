#pragma once

#include "forms/common/FormDrawing.h"

// The printed matter of the application for a certificate of origin: on page 1 the title box, boxes 1 to 9
// with both cross boxes of box 8 and every caption; on page 2 the frame of the back with its notes.
extern const FormPageDrawing UZ_Page1Drawing;
extern const FormPageDrawing UZ_Page2Drawing;
// The fonts of its captions, by UZ_Font.
namespace UZ_Font {
enum : std::uint8_t { Caption, Title };
}
extern const FormFontSpec UZ_Fonts[2];
