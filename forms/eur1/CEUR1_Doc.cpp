#include "forms/eur1/CEUR1_Doc.h"

#include "forms/eur1/EUR1_Form.h"

namespace {

// Version 1.01 had no field 17; its second array holds the back page.
constexpr OldFieldRun kVersion101Fields[] = {
    {1, 0, 17, 0, 0},
    {1, 17, 1, 0, OldFieldRun::kEmpty},
    {1, 18, 3, 0, 17},
    {2, 0, 11, 1, 0},
};
constexpr OldFormFileVersion kOldVersions[] = {
    {"QEL-EUR1Form@1.01", 2, 0, std::nullopt, 0, kVersion101Fields},
};

}  // namespace

const FormFileFormat CEUR1_Doc::kFileFormat{
    "QEL-EUR1Form@3.00", 9, false, false, kOldVersions, OlderVersionRule::MajorDigit, {},
};

CEUR1_Doc::CEUR1_Doc(CQELWinAppEx& app) : FormDocument(app, EUR1_Form) {}
