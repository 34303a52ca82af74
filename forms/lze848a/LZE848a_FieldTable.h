#pragma once

#include "forms/common/FormFieldTable.h"

// The long-term supplier's declaration on form 848a: fields 0 to 10 (5 is a placeholder) and the two tick
// boxes on its one page, and the table cell the editor needs for its table mode, which nothing shows.
extern const FormFieldTable LZE848a_FieldTable;
