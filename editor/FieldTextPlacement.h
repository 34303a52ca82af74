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
    // How wide a line of a field's text may be in a box `boxWidth` wide: no line comes nearer to either edge
    // than its inset, whatever the alignment, and a centred line, which stands in the middle of the box,
    // keeps the larger inset on both sides.
    static int LineWidth(std::uint16_t alignment, int boxWidth);
    static Qt::Alignment WindowAlignment(std::uint16_t alignment);
    // The DrawText format of a field's alignment, and its inset applied to `rect`.
    static unsigned DrawTextFormat(std::uint16_t alignment, bool singleLine, platform::Rect& rect);
};
