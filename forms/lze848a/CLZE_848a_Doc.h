#pragma once

#include "forms/common/FormDocument.h"

// The long-term supplier's declaration on form 848a, saved as ".lz1". A new one starts with every field
// empty.
class CLZE_848a_Doc : public FormDocument {
public:
    static const FormFileFormat kFileFormat;

    explicit CLZE_848a_Doc(CQELWinAppEx& app);
};
