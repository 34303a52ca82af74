#include "editor/EditorFontTable.h"

#include <algorithm>

namespace {

const QString kFace = QStringLiteral("Arial");
constexpr std::array<int, EditorFontTable::kSizes> kStartRegular{30, 38, 42, 46, 52};
constexpr std::array<int, EditorFontTable::kSizes> kStartBold{28, 38, 42, 46, 52};

// The position of a DefineFont index within its set, or -1.
int PositionIn(const std::array<std::uint16_t, EditorFontTable::kFontsPerSet>& indices, std::uint16_t index)
{
    const auto found = std::find(indices.begin(), indices.end(), index);
    return found == indices.end() ? -1 : int(found - indices.begin());
}

}  // namespace

const platform::Font& EditorFontTable::FontSet::ForField(int size, bool bold) const
{
    const int clamped = std::clamp(size, 0, kLargestSize);
    return m_fonts[bold ? kFirstBold + clamped : clamped];
}

EditorFontTable::EditorFontTable() : turned{kFace, 60, kBoldWeight, -150}
{
    for (FontSet* set : {&edit, &display, &printer}) {
        for (int position = 0; position < kFontsPerSet; ++position) set->at(position).faceName = kFace;
        for (int size = 0; size < kSizes; ++size) {
            set->at(size) = {kFace, kStartRegular[size], kRegularWeight, 0};
            set->at(kFirstBold + size) = {kFace, kStartBold[size], kBoldWeight, 0};
        }
    }
}

std::optional<EditorFontTable::Slot> EditorFontTable::AtIndex(std::uint16_t index)
{
    for (FontSet* set : {&edit, &printer}) {
        const auto& indices = set == &edit ? kEditIndices : kPrinterIndices;
        const int position = PositionIn(indices, index);
        if (position >= 0) return Slot{&set->at(position), FontSet::IsBoldPosition(position)};
    }
    return std::nullopt;
}
