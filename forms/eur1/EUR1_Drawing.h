#pragma once

#include "forms/common/FormDrawing.h"

// The printed matter of the EUR.1: on page 1 the movement certificate with boxes 1 to 12, the notes in the
// margin and the edition mark; on page 2 the back of the application with the exporter's declarations and
// their writing lines.
extern const FormPageDrawing EUR1_Page1Drawing;
extern const FormPageDrawing EUR1_Page2Drawing;
// The fonts of its captions, by EUR1_Font: the sizes of the A.TR.'s.
namespace EUR1_Font {
enum : std::uint8_t { Title, Heading, Small, Caption };
}
extern const FormFontSpec EUR1_Fonts[4];
