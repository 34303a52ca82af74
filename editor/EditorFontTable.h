#pragma once

#include "platform/gdi/Font.h"

#include <QFont>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace platform {
class Dc;
}
namespace settings {
struct IntValue;
}

// The field editor's fonts: one set for the live edit window (heights in device pixels), one for drawing
// fields on screen (heights in the view's logical units) and one for printing (in the printer's 0.1 mm),
// and a bold font turned 15° clockwise that prints where a field does not exist.
//
// Each set holds twelve fonts in the order of the "Font" settings: sizes 0 to 4, the two extra fonts,
// sizes 0 to 4 bold. DefineFont reaches the edit-window and printer sets by the indices of kEditIndices and
// kPrinterIndices.
class EditorFontTable {
public:
    static constexpr int kFontsPerSet = 12;
    static constexpr int kSizes = 5;
    static constexpr int kLargestSize = kSizes - 1;
    static constexpr int kFirstBold = kSizes + 2;
    static constexpr int kRegularWeight = 400;
    static constexpr int kBoldWeight = 700;
    static constexpr std::array<std::uint16_t, kFontsPerSet> kEditIndices{0x00, 0x01, 0x02, 0x03, 0x04, 0x41,
                                                                          0x42, 0x10, 0x11, 0x12, 0x13, 0x14};
    static constexpr std::array<std::uint16_t, kFontsPerSet> kPrinterIndices{
        0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x43, 0x44, 0x18, 0x19, 0x1A, 0x1B, 0x1C};

    class FontSet {
    public:
        // The font of a field's size and weight; sizes above the largest take the largest.
        const platform::Font& ForField(int size, bool bold) const;
        platform::Font& at(int position) { return m_fonts[position]; }
        const platform::Font& at(int position) const { return m_fonts[position]; }
        static bool IsBoldPosition(int position) { return position >= kFirstBold; }
        // The position of a field's size and weight; sizes above the largest take the largest.
        static int PositionFor(int size, bool bold);
        friend bool operator==(const FontSet&, const FontSet&) = default;

    private:
        std::array<platform::Font, kFontsPerSet> m_fonts;
    };

    // Sizes 0 to 4 of every set at the heights an editor starts with, until the settings are applied.
    EditorFontTable();

    struct Slot {
        platform::Font* font;
        bool bold;
    };
    // The font at a DefineFont index; nothing for an index that names none.
    std::optional<Slot> AtIndex(std::uint16_t index);
    // Sets the font at a DefineFont index, regular or bold as the index says; false for an index that names
    // none.
    bool Define(std::uint16_t index, platform::Font font);

    // What a height setting of the "Font" section holds.
    using HeightSetting = std::function<int(const settings::IntValue&)>;
    // The display set in logical units of a view at `zoom` (a setting times the zoom over 12), and the
    // edit-window set at the same size in device pixels of `dc`.
    void CreateScreenFonts(const HeightSetting& setting, const platform::Dc& dc, int zoom);
    // The printer set: the settings scaled by `factor` percent.
    void CreatePrinterFonts(const HeightSetting& setting, int factor);

    // The font the live edit window shows a field in, on a screen of `dpiY`: the edit-window set's font,
    // made at the size the settings gave it rather than at its whole pixels, so that it is the drawn font
    // wherever the edit and display settings agree and typed text wraps as it will be drawn. A font is made
    // at whole pixels of its em, a little larger or smaller than asked; cellPixels is the cell height it
    // stands for (0 where unknown).
    struct WindowFont {
        QFont font;
        double cellPixels = 0;
    };
    WindowFont ForWindow(int size, bool bold, double dpiY) const;

    FontSet edit;
    FontSet display;
    FontSet printer;
    platform::Font turned;

private:
    // The heights of the edit-window set in hundredths of a millimetre where they come from the settings, 0
    // where a font was defined in pixels; and the pixels of a hundredth on the screen they were made for.
    std::array<int, kFontsPerSet> m_editHundredths{};
    double m_pixelsPerHundredth = 0;
};
