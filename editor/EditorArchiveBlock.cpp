#include "editor/EditorArchiveBlock.h"

#include "editor/TrailingWhiteSpace.h"
#include "platform/archive/Archive.h"

using platform::ArchiveException;

void EditorArchiveBlock::Store(platform::Archive& archive, EditorFieldModel& model)
{
    archive.writeWord(kMark);
    archive.writeWord(kVersion);
    TrimAll(model.lineTexts);
    archive.writeStringArray(model.lineTexts);
    archive.writeWordArray(model.lineFlags);
    archive.writeWord(model.mode);
    archive.writeWord(model.columnCount);
    TrimAll(model.cellTexts);
    archive.writeStringArray(model.cellTexts);
    archive.writeWordArray(model.cellFlags);
}

EditorFieldModel EditorArchiveBlock::Load(platform::Archive& archive, EditorFieldModel model)
{
    if (archive.readWord() != kMark) {
        throw ArchiveException(ArchiveException::Cause::BadClass, "not a field editor block");
    }
    const std::uint16_t version = archive.readWord();
    if (version > kVersion) {
        throw ArchiveException(ArchiveException::Cause::BadSchema, "field editor block of a newer version");
    }
    LoadLines(archive, model);
    if (version == kVersion) {
        LoadTable(archive, model);
    } else {
        model.mode = EditorFieldModel::kLinesOnly;
        model.columnCount = 0;
    }
    model.MakeConsistent();
    return model;
}

void EditorArchiveBlock::TrimAll(QStringList& texts)
{
    for (QString& text : texts) text = WithoutTrailingWhiteSpace(text);
}

// The file decides how many page-1 fields there are only when it has more than the editor: the fields it
// adds start as fresh fields (format word 1), and fields it lacks stay empty.
void EditorArchiveBlock::LoadLines(platform::Archive& archive, EditorFieldModel& model)
{
    model.lineTexts = archive.readStringArray();
    TrimAll(model.lineTexts);
    model.lineFlags = archive.readWordArray();

    if (model.lineTexts.size() > EditorFieldModel::kMostLines) {
        throw ArchiveException(ArchiveException::Cause::Generic, "more fields than a form can have");
    }
    const auto textsRead = static_cast<std::uint16_t>(model.lineTexts.size());
    if (model.lineCount < textsRead) model.SetCounts(textsRead, 0, true);
    if (model.lineCount > textsRead) model.SetCounts(model.lineCount, 0, false);
}

// The mode is taken as the file gives it and the cell arrays as read; MakeConsistent then fits them to each
// other, so nothing is sized from the file's claims before their bytes are there.
void EditorArchiveBlock::LoadTable(platform::Archive& archive, EditorFieldModel& model)
{
    model.mode = archive.readWord();
    model.columnCount = archive.readWord();
    model.cellTexts = archive.readStringArray();
    model.cellFlags = archive.readWordArray();
}
