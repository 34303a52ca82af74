#pragma once

#include "forms/common/FormDrawing.h"

// The printed matter of the declaration 848a on screen: the underlines of its eleven fields, the two tick
// boxes, the declaration in German, English and French, the chambers' notes and the red hint at the top.
// Nothing of it is printed; the paper form carries it.
extern const FormPageDrawing LZE848a_Page1Drawing;
// The fonts of its captions, by LZE848a_Font.
namespace LZE848a_Font {
enum : std::uint8_t { Heading, SubHeading, Text, Small, Notes, Hint };
}
extern const FormFontSpec LZE848a_Fonts[6];

// The tick in the tick box of mark choice 1 ("Kumulierung angewendet mit") or, for any other choice, in the
// second box: the box's two diagonals, each from a corner of its frame.
struct LZE848a_Tick {
    FormLine down;  // from the top-left corner
    FormLine up;    // from the top-right corner
};
LZE848a_Tick LZE848a_TickFor(int markChoice);
