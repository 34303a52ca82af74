#pragma once

#include "platform/gdi/GdiTypes.h"

#include <Qt>
#include <cstdint>

// Where a field's text stands in its box, by the field's alignment: drawn, printed and in the live edit
// window alike. Left-aligned text stands off the left edge, right-aligned text off the right edge.
class FieldTextPlacement {
public:
    // Logical units by which a field's text stands off the left and right edge of its box.
    static constexpr int kLeftInset = 10;
    static constexpr int kRightInset = 12;

    struct Insets {
        int left = 0;
        int right = 0;
    };

    static Insets InsetsOf(std::uint16_t alignment);
    // How wide a line of a field's text may be in a box `boxWidth` wide: the box less the inset of the
    // alignment, so that a left-aligned line may reach the right edge, a right-aligned line the left edge and
    // a centred line both, as the text is drawn into the box.
    static int LineWidth(std::uint16_t alignment, int boxWidth);
    static Qt::Alignment WindowAlignment(std::uint16_t alignment);
    // The DrawText format of a field's alignment, and its inset applied to `rect`.
    static unsigned DrawTextFormat(std::uint16_t alignment, bool singleLine, platform::Rect& rect);
};
