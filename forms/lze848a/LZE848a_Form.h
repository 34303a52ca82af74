#pragma once

#include "forms/common/FormDefinition.h"

// The long-term supplier's declaration on form 848a: one page, one sheet; files ".lz1".
extern const FormDefinition LZE848a_Form;
