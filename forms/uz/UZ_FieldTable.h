#pragma once

#include "forms/common/FormFieldTable.h"

// The application for a certificate of origin: its front on page 1 (ten input fields, then the two cross
// areas of box 8 and the print positions of the crosses and of a chamber's variant), its back on page 2.
extern const FormFieldTable UZ_FieldTable;
