#pragma once

#include "forms/common/FormFieldTable.h"
#include "platform/gdi/GdiTypes.h"

#include <cstdint>

class SettingsStore;

// The user's option "LZEF1F2": fields 0 and 1 (the goods and the customer) get room for a second line,
// growing upwards on screen by their own height and on paper by 3.4 mm. A form takes the option once, when
// its window is opened, and keeps it for its screen boxes, its edit window and its printing alike: changing
// the option affects the forms opened afterwards, so that what is typed always fits the box it prints in.
class LZE848a_TwoLineFields {
public:
    // Takes the option as it stands in the settings now.
    explicit LZE848a_TwoLineFields(const SettingsStore& settings);

    bool isOn() const { return m_on; }
    // The screen box of page-1 row `row`, from the field table's box.
    FormRect screenBox(std::uint16_t row, FormRect box) const;
    // The print rectangle of page-1 row `row` (y upwards), from the one the print table gives.
    platform::Rect printBox(std::uint16_t row, platform::Rect rect) const;

private:
    bool widens(std::uint16_t row) const { return m_on && row <= 1; }

    bool m_on;
};
