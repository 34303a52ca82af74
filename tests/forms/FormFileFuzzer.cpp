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

#include <cstddef>
#include <cstdint>

namespace {

// Every field the editor claims to have, read and written, as the views will do after a load.
void touchEveryField(CQeEditWindow& editor)
{
    // Counted in int: one past the largest count a file can give (65535) does not fit 16 bits.
    for (int page = 1; page <= editor.GetPageCount() + 1; ++page) {
        const int fields = page == 1 ? editor.GetLineCount() : editor.GetColumnCount();
        for (int field = 0; field <= fields; ++field) {
            const auto f = static_cast<std::uint16_t>(field);
            const auto p = static_cast<std::uint16_t>(page);
            editor.SetFieldText(f, editor.GetFieldText(f, p) + "x", p);
            editor.SetFieldFlags(f, p, editor.GetFieldFlags(f, p) ^ 0x10);
            editor.Activate(f, p);
        }
    }
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
    touchEveryField(editor.FieldEditor());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    loadAs(CATR_Doc::kFileFormat, ATR_FieldTable, bytes);
    loadAs(CEUR1_Doc::kFileFormat, EUR1_FieldTable, bytes);
    loadAs(CUrsprungszeugnis_Doc::kFileFormat, UZ_FieldTable, bytes);
    loadAs(CLZE_848a_Doc::kFileFormat, LZE848a_FieldTable, bytes);
    return 0;
}
