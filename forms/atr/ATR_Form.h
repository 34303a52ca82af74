#pragma once

#include "forms/common/FormDefinition.h"

// The A.TR. movement certificate: one sheet, the front, typed and printed; files ".fma".
extern const FormDefinition ATR_Form;
