#include "editor/FieldTextPlacement.h"

#include "editor/EditorFieldModel.h"
#include "platform/gdi/Dc.h"

using Model = EditorFieldModel;

FieldTextPlacement::Insets FieldTextPlacement::InsetsOf(std::uint16_t alignment)
{
    if (alignment == Model::kAlignLeft) return {kLeftInset, 0};
    if (alignment == Model::kAlignRight) return {0, kRightInset};
    return {};
}

int FieldTextPlacement::LineWidth(std::uint16_t alignment, int boxWidth)
{
    const Insets insets = InsetsOf(alignment);
    return boxWidth - insets.left - insets.right;
}

Qt::Alignment FieldTextPlacement::WindowAlignment(std::uint16_t alignment)
{
    if (alignment == Model::kAlignCenter) return Qt::AlignHCenter;
    if (alignment == Model::kAlignRight) return Qt::AlignRight;
    return Qt::AlignLeft;
}

unsigned FieldTextPlacement::DrawTextFormat(std::uint16_t alignment, bool singleLine, platform::Rect& rect)
{
    using namespace platform::DrawTextFormat;
    // A word wider than the box breaks rather than runs out of it, as the live window breaks it.
    unsigned format = WordBreak | NoClip | ExternalLeading | NoPrefix | BreakLongWords;
    const Insets insets = InsetsOf(alignment);
    rect.left += insets.left;
    rect.right -= insets.right;
    if (alignment == Model::kAlignCenter) format |= Center;
    if (alignment == Model::kAlignRight) format |= Right;
    if (singleLine) format |= SingleLine;
    return format;
}
