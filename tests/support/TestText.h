#pragma once

#include <QString>
#include <string_view>

// A QString of exactly these UTF-16 code units, embedded zeros and lone surrogates included.
inline QString utf16(std::u16string_view units)
{
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}
