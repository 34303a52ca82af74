#pragma once

#include "forms/common/FormFieldTable.h"

// The A.TR. movement certificate: 21 fields on its one page, and the one table cell that every A.TR. file
// carries although no command shows it and no sheet prints it.
extern const FormFieldTable ATR_FieldTable;
