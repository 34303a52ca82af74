#include "forms/FormList.h"

#include "forms/atr/ATR_Form.h"
#include "forms/eur1/EUR1_Form.h"
#include "forms/lze848a/LZE848a_Form.h"
#include "forms/uz/UZ_Form.h"

#include <array>

std::span<const FormDefinition* const> AllForms()
{
    static constexpr std::array<const FormDefinition*, 4> kForms{&EUR1_Form, &ATR_Form, &UZ_Form,
                                                                 &LZE848a_Form};
    return kForms;
}
