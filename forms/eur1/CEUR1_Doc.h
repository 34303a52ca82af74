#pragma once

#include "forms/common/FormDocument.h"

// The EUR.1 movement certificate with its application, saved as ".fme".
class CEUR1_Doc : public FormDocument {
public:
    static const FormFileFormat kFileFormat;

    explicit CEUR1_Doc(CQELWinAppEx& app);
};
