#pragma once

#include "forms/common/FormDefinition.h"

// The EUR.1 movement certificate with its application: the certificate and the application's front typed on
// page 1, the application's back on page 2; three sheets; files ".fme".
extern const FormDefinition EUR1_Form;
