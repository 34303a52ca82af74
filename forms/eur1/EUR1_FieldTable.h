#pragma once

#include "forms/common/FormFieldTable.h"

// The EUR.1 movement certificate: the certificate on page 1 (21 fields, the first eleven also fill the
// front of the application), the back of the application on page 2 (11 lines), printed in two editions.
extern const FormFieldTable EUR1_FieldTable;
