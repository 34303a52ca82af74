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

Qt::Alignment FieldTextPlacement::WindowAlignment(std::uint16_t alignment)
{
    if (alignment == Model::kAlignCenter) return Qt::AlignHCenter;
    if (alignment == Model::kAlignRight) return Qt::AlignRight;
    return Qt::AlignLeft;
}

unsigned FieldTextPlacement::DrawTextFormat(std::uint16_t alignment, bool singleLine, platform::Rect& rect)
{
    using namespace platform::DrawTextFormat;
    unsigned format = WordBreak | NoClip | ExternalLeading | NoPrefix;
    const Insets insets = InsetsOf(alignment);
    rect.left += insets.left;
    rect.right -= insets.right;
    if (alignment == Model::kAlignCenter) format |= Center;
    if (alignment == Model::kAlignRight) format |= Right;
    if (singleLine) format |= SingleLine;
    return format;
}
