// libFuzzer target: any bytes, read as each of the four form files, must load, be refused or fail with an
// archive failure; never crash, never read out of bounds, never allocate what the bytes merely claim.
#include "editor/CQeEditWindow.h"
#include "forms/atr/ATR_FieldTable.h"
#include "forms/atr/CATR_Doc.h"
#include "forms/common/DetachedFormEditor.h"
#include "forms/common/FormFile.h"
#include "forms/eur1/CEUR1_Doc.h"
#include "forms/eur1/EUR1_FieldTable.h"
#include "forms/lze848a/CLZE_848a_Doc.h"
#include "forms/lze848a/LZE848a_FieldTable.h"
#include "forms/uz/CUrsprungszeugnis_Doc.h"
#include "forms/uz/UZ_FieldTable.h"
#include "tests/fuzz/FuzzInput.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// A file can give 65535 columns on each of 255 pages; the fields at both ends of each page, up to one past
// the last, are where a count and the arrays behind it disagree, and touching only those keeps one input at
// milliseconds.
constexpr int kFieldsAtEachEnd = 8;
// Storing takes time in proportion to the columns and finds nothing more in 65535 of them than in a few; a
// form this wide is read, touched and left unstored.
constexpr int kMostColumnsStored = 1024;

// The fields the editor claims to have, read and written, as the views will do after a load.
void touchFields(CQeEditWindow& editor)
{
    // Counted in int: one past the largest count a file can give (65535) does not fit 16 bits.
    for (int page = 1; page <= editor.GetPageCount() + 1; ++page) {
        const int fields = page == 1 ? editor.GetLineCount() : editor.GetColumnCount();
        for (int field = 0; field <= fields; ++field) {
            if (field == kFieldsAtEachEnd) field = std::max(field, fields - kFieldsAtEachEnd);
            const auto f = static_cast<std::uint16_t>(field);
            const auto p = static_cast<std::uint16_t>(page);
            editor.SetFieldText(f, editor.GetFieldText(f, p) + "x", p);
            editor.SetFieldFlags(f, p, editor.GetFieldFlags(f, p) ^ 0x10);
            editor.Activate(f, p);
        }
    }
    if (editor.GetColumnCount() > kMostColumnsStored) return;
    QByteArray stored;
    platform::Archive archive(stored);
    editor.Serialize(archive);
}

void loadAs(const FormFileFormat& format, const FormFieldTable& table, QByteArrayView bytes)
{
    DetachedFormEditor editor(table);
    int choice = 0;
    try {
        platform::Archive archive(bytes);
        FormFile::Load(archive, format, editor.FieldEditor(), choice);
    } catch (const platform::ArchiveException&) {
    }
    touchFields(editor.FieldEditor());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes = fuzzinput::bytes(data, size);
    loadAs(CATR_Doc::kFileFormat, ATR_FieldTable, bytes);
    loadAs(CEUR1_Doc::kFileFormat, EUR1_FieldTable, bytes);
    loadAs(CUrsprungszeugnis_Doc::kFileFormat, UZ_FieldTable, bytes);
    loadAs(CLZE_848a_Doc::kFileFormat, LZE848a_FieldTable, bytes);
    return 0;
}
