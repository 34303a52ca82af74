#include "forms/lze848a/CLZE_848a_Doc.h"

#include "forms/lze848a/LZE848a_Form.h"

namespace {

constexpr OldFieldRun kVersion130Fields[] = {
    {1, 0, 11, 0, 0},
};
// Versions 1.20 and 1.21 had no fields 4 to 6.
constexpr OldFieldRun kVersion12xFields[] = {
    {1, 0, 4, 0, 0},
    {1, 7, 4, 0, 4},
};
constexpr OldFormFileVersion kOldVersions[] = {
    {"QEL-LZE1Form@1.30", 1, 3, 2, 0, kVersion130Fields},
    {"QEL-LZE1Form@1.21", 1, 2, std::nullopt, 0, kVersion12xFields},
    {"QEL-LZE1Form@1.20", 1, 0, std::nullopt, 0, kVersion12xFields},
};
// Of the other versions only these are older; any other is taken as newer.
constexpr QByteArrayView kOlderMagics[] = {"QEL-LZE1Form@1.00", "QEL-LZE1Form@1.10"};

}  // namespace

const FormFileFormat CLZE_848a_Doc::kFileFormat{
    "QEL-LZE1Form@3.00", 9, true, true, kOldVersions, OlderVersionRule::ListedMagics, kOlderMagics,
};

CLZE_848a_Doc::CLZE_848a_Doc(CQELWinAppEx& app) : FormDocument(app, LZE848a_Form) {}
