#include "forms/lze848a/LZE848a_TwoLineFields.h"

#include "app/SettingsStore.h"

namespace {

// How much higher a two-line field starts on paper, in tenths of a millimetre.
constexpr int kPrintRaise = 34;

}  // namespace

LZE848a_TwoLineFields::LZE848a_TwoLineFields(const SettingsStore& settings)
    : m_on(settings.GetProfileInt(settings::kLZEF1F2) == 1)
{
}

FormRect LZE848a_TwoLineFields::screenBox(std::uint16_t row, FormRect box) const
{
    if (widens(row)) box.top = static_cast<std::int16_t>(box.top - (box.bottom - box.top));
    return box;
}

platform::Rect LZE848a_TwoLineFields::printBox(std::uint16_t row, platform::Rect rect) const
{
    if (widens(row)) rect.top += kPrintRaise;
    return rect;
}
