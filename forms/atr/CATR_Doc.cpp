#include "forms/atr/CATR_Doc.h"

#include "forms/atr/ATR_Form.h"

namespace {

constexpr int kEmpty = OldFieldRun::kEmpty;

// Version 1.01 had no field 17.
constexpr OldFieldRun kVersion101Fields[] = {
    {1, 0, 17, 0, 0},
    {1, 17, 1, 0, kEmpty},
    {1, 18, 3, 0, 17},
};
// Version 1.00 had neither field 8 nor field 17, and left its entry 18 unused.
constexpr OldFieldRun kVersion100Fields[] = {
    {1, 0, 8, 0, 0},       {1, 8, 1, 0, kEmpty}, {1, 9, 8, 0, 8},
    {1, 17, 1, 0, kEmpty}, {1, 18, 2, 0, 16},    {1, 20, 1, 0, 19},
};
constexpr OldFormFileVersion kOldVersions[] = {
    {"QEL-ATRForm@1.01", 1, 0, std::nullopt, 0, kVersion101Fields},
    {"QEL-ATRForm@1.00", 1, 0, std::nullopt, 21, kVersion100Fields},
};

}  // namespace

const FormFileFormat CATR_Doc::kFileFormat{
    "QEL-ATRForm@3.00", 9, false, false, kOldVersions, OlderVersionRule::MajorDigit, {},
};

CATR_Doc::CATR_Doc(CQELWinAppEx& app) : FormDocument(app, ATR_Form) {}
