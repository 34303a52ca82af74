#pragma once

#include "forms/common/FormDefinition.h"

#include <span>

// The forms of the program, in the order of their document templates: EUR.1, A.TR., certificate of origin,
// declaration 848a. The new-form chooser's n-th button and File Open's choice by extension follow this
// order. The templates, the views, form-inspect and the tests read every form from here; adding a form means
// its folder and one line here.
std::span<const FormDefinition* const> AllForms();
