#pragma once

#include <cstdint>

// The form a print dialog is for. The print dialog numbers the forms its own way, not by the application's
// form kind code.
enum class PrintFormKind : std::uint16_t {
    EUR1 = 0,
    UZ = 1,  // certificate of origin
    ATR = 2,
    LZE848a = 3,
};
