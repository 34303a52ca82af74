#pragma once

#include "forms/common/FormDocument.h"

// The A.TR. movement certificate, saved as ".fma".
class CATR_Doc : public FormDocument {
public:
    static const FormFileFormat kFileFormat;

    explicit CATR_Doc(CQELWinAppEx& app);
};
