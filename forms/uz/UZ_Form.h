#pragma once

#include "forms/common/FormDefinition.h"

// The certificate of origin with its application: the application's front typed on page 1, its back on page
// 2; four sheets; files ".fmu".
extern const FormDefinition UZ_Form;
