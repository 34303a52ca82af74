#pragma once

#include "forms/common/FormDocument.h"

// The certificate of origin with its application, saved as ".fmu".
class CUrsprungszeugnis_Doc : public FormDocument {
public:
    static const FormFileFormat kFileFormat;

    explicit CUrsprungszeugnis_Doc(CQELWinAppEx& app);
};
