#include "forms/uz/CUrsprungszeugnis_Doc.h"

#include "forms/uz/UZ_Form.h"

namespace {

// Version 1.01: ten fields, the table cell, then the choice byte.
constexpr OldFieldRun kVersion101Fields[] = {
    {1, 0, 10, 0, 0},
    {2, 0, 1, 0, 10},
};
constexpr OldFormFileVersion kOldVersions[] = {
    {"QEL-UZForm@1.01", 1, 1, 0, 0, kVersion101Fields},
};

}  // namespace

const FormFileFormat CUrsprungszeugnis_Doc::kFileFormat{
    "QEL-UZForm@3.00", 11, true, false, kOldVersions, OlderVersionRule::MajorDigit, {},
};

CUrsprungszeugnis_Doc::CUrsprungszeugnis_Doc(CQELWinAppEx& app) : FormDocument(app, UZ_Form) {}
