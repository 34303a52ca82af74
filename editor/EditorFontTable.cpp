#include "editor/EditorFontTable.h"

#include "app/CQEL_Math.h"
#include "app/SettingsKeys.h"
#include "platform/gdi/Dc.h"

#include <algorithm>
#include <limits>

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

// Hand-set heights outside this range draw nothing or overflow; 200 mm is beyond any box of a form.
constexpr int kSmallestFontSetting = 1;
constexpr int kLargestFontSetting = 2000;
// A logical unit of the views is a tenth of a millimetre.
constexpr std::int64_t kHimetricPerUnit = 10;

std::array<settings::IntValue, EditorFontTable::kFontsPerSet> InSetOrder(const settings::FontHeights& heights)
{
    return {heights.regular[0], heights.regular[1], heights.regular[2], heights.regular[3],
            heights.regular[4], heights.extra1,     heights.extra2,     heights.bold[0],
            heights.bold[1],    heights.bold[2],    heights.bold[3],    heights.bold[4]};
}

int AtLeastOne(std::int64_t height)
{
    return int(std::clamp<std::int64_t>(height, 1, std::numeric_limits<int>::max()));
}

}  // namespace

const platform::Font& EditorFontTable::FontSet::ForField(int size, bool bold) const
{
    return m_fonts[PositionFor(size, bold)];
}

int EditorFontTable::FontSet::PositionFor(int size, bool bold)
{
    const int clamped = std::clamp(size, 0, kLargestSize);
    return bold ? kFirstBold + clamped : clamped;
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

bool EditorFontTable::Define(std::uint16_t index, platform::Font font)
{
    const auto slot = AtIndex(index);
    if (!slot) return false;
    font.weight = slot->bold ? kBoldWeight : kRegularWeight;
    *slot->font = font;
    const int editPosition = PositionIn(kEditIndices, index);
    if (editPosition >= 0) m_editHundredths[editPosition] = 0;
    return true;
}

void EditorFontTable::CreateScreenFonts(const HeightSetting& setting, const platform::Dc& dc, int zoom)
{
    const auto height = [&](const settings::IntValue& value) {
        return std::clamp(setting(value), kSmallestFontSetting, kLargestFontSetting);
    };
    const auto displayHeights = InSetOrder(settings::kScreenFontHeights);
    const auto editHeights = InSetOrder(settings::kEditFontHeights);
    CQEL_Math math;
    m_pixelsPerHundredth = dc.mapper().himetricToDevice(QPointF(0, 1)).y();
    for (int position = 0; position < kFontsPerSet; ++position) {
        const int weight = FontSet::IsBoldPosition(position) ? kBoldWeight : kRegularWeight;
        const std::int64_t displayHeight = std::int64_t{height(displayHeights[position])} * zoom / 12;
        display.at(position) = {kFace, AtLeastOne(displayHeight), weight, 0};
        // Through hundredths of a millimetre into the device's pixels.
        const std::int64_t hundredths =
            std::int64_t{height(editHeights[position])} * zoom / 12 * kHimetricPerUnit;
        const double pixels = dc.mapper().himetricToDevice(QPointF(0, double(hundredths))).y();
        edit.at(position) = {kFace, AtLeastOne(math.Round(float(pixels))), weight, 0};
        m_editHundredths[position] = AtLeastOne(hundredths);
    }
}

EditorFontTable::WindowFont EditorFontTable::ForWindow(int size, bool bold, double dpiY) const
{
    const int position = FontSet::PositionFor(size, bold);
    const platform::Font& font = edit.at(position);
    const int hundredths = m_editHundredths[position];
    if (hundredths == 0) return {platform::toQFont(font, 1.0, dpiY), double(std::max(0, font.height))};
    return {platform::toQFont({font.faceName, hundredths, font.weight, font.escapement}, m_pixelsPerHundredth,
                              dpiY),
            hundredths * m_pixelsPerHundredth};
}

void EditorFontTable::CreatePrinterFonts(const HeightSetting& setting, int factor)
{
    const auto heights = InSetOrder(settings::kPrinterFontHeights);
    for (int position = 0; position < kFontsPerSet; ++position) {
        const int stored = std::clamp(setting(heights[position]), kSmallestFontSetting, kLargestFontSetting);
        const int weight = FontSet::IsBoldPosition(position) ? kBoldWeight : kRegularWeight;
        printer.at(position) = {kFace, AtLeastOne(std::int64_t{stored} * factor / 100), weight, 0};
    }
}
