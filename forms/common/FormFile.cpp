#include "forms/common/FormFile.h"

#include "editor/CQeEditWindow.h"

#include <QList>
#include <algorithm>

using platform::Archive;
using platform::ArchiveException;

namespace {

constexpr std::uint8_t kFillByte = 0xFF;

// The highest entry of each array that the mapping reads, +1: the entries the file must hold.
int EntriesNeeded(const OldFormFileVersion& version, int array)
{
    int needed = 0;
    for (const OldFieldRun& run : version.fields) {
        if (run.array == array && run.firstEntry != OldFieldRun::kEmpty) {
            needed = std::max(needed, run.firstEntry + run.count);
        }
    }
    return needed;
}

}  // namespace

void FormFile::Store(Archive& archive, const FormFileFormat& format, CQeEditWindow& editor, int markChoice,
                     const Origin& origin)
{
    QString computerName = origin.computerName;
    if (format.computerNameEndsWithLineFeed) computerName += QLatin1Char('\n');

    archive.writeRaw(format.magic);
    archive.writeWord(kCurrentVersion);
    archive.writeDword(0);
    for (int i = 0; i < format.fillBytes; ++i) archive.writeByte(kFillByte);
    archive.writeStringArray({computerName, origin.userName});
    if (format.hasChoice) archive.writeByte(static_cast<std::uint8_t>(markChoice & 0xFF));
    editor.Serialize(archive);
    archive.writeByte(kTrailer);
}

FormLoadStatus FormFile::Load(Archive& archive, const FormFileFormat& format, CQeEditWindow& editor,
                              int& markChoice)
{
    // A file shorter than the magic is no file at all: the form stays as a new one.
    if (archive.bytesLeft() < format.magic.size()) return kLoaded;
    const QByteArray magic = archive.readRaw(format.magic.size());

    for (const OldFormFileVersion& version : format.oldVersions) {
        if (magic == version.magic) {
            LoadOldVersion(archive, version, format.hasChoice, editor, markChoice);
            return kLoaded;
        }
    }
    const FormLoadStatus status = CheckMagic(magic, format);
    if (status != kLoaded) return status;
    return LoadCurrentVersion(archive, format, editor, markChoice);
}

FormLoadStatus FormFile::CheckMagic(QByteArrayView magic, const FormFileFormat& format)
{
    const qsizetype prefix = format.prefixLength();
    if (magic.first(prefix) != format.magic.first(prefix)) return kNotAKnownFormat;

    switch (format.olderRule) {
        case OlderVersionRule::MajorDigit:
            if (magic.first(prefix + 1) != format.magic.first(prefix + 1)) return kOlderVersion;
            break;
        case OlderVersionRule::ListedMagics:
            if (std::find(format.olderMagics.begin(), format.olderMagics.end(), magic) !=
                format.olderMagics.end()) {
                return kOlderVersion;
            }
            break;
    }
    return magic == format.magic ? kLoaded : kNewerVersion;
}

void FormFile::LoadOldVersion(Archive& archive, const OldFormFileVersion& version, bool hasChoice,
                              CQeEditWindow& editor, int& markChoice)
{
    QList<QStringList> arrays;
    for (int i = 0; i < version.arrayCount; ++i) arrays.append(archive.readStringArray());
    const QByteArray bytes = archive.readRaw(version.bytesAfterArrays);

    if (version.padFirstArrayTo > 0) arrays[0].resize(version.padFirstArrayTo);
    for (int i = 0; i < version.arrayCount; ++i) {
        if (arrays[i].size() < EntriesNeeded(version, i)) {
            throw ArchiveException(ArchiveException::Cause::Generic, "an old form file with too few fields");
        }
    }

    for (const OldFieldRun& run : version.fields) {
        for (int i = 0; i < run.count; ++i) {
            const QString text =
                run.firstEntry == OldFieldRun::kEmpty ? QString() : arrays[run.array][run.firstEntry + i];
            editor.SetFieldText(static_cast<std::uint16_t>(run.firstField + i), text, run.page);
        }
    }
    if (hasChoice)
        markChoice = version.choiceByte ? static_cast<std::uint8_t>(bytes[*version.choiceByte]) : 0;
}

FormLoadStatus FormFile::LoadCurrentVersion(Archive& archive, const FormFileFormat& format,
                                            CQeEditWindow& editor, int& markChoice)
{
    const std::uint16_t version = archive.readWord();
    if (version < kCurrentVersion) return kOlderVersion;
    if (version > kCurrentVersion) return kNewerVersion;

    archive.readDword();
    archive.readRaw(format.fillBytes);
    archive.readStringArray();  // who wrote the file: not used
    const int choice = format.hasChoice ? archive.readByte() : markChoice;
    try {
        editor.Serialize(archive);
    } catch (const ArchiveException& e) {
        // A block that is not the editor's, or from a newer program, is refused like a file of that kind.
        if (e.cause() == ArchiveException::Cause::BadClass) return kNotAKnownFormat;
        if (e.cause() == ArchiveException::Cause::BadSchema) return kNewerVersion;
        throw;
    }
    markChoice = choice;
    return kLoaded;
}

QString FormFile::StatusMessage(int status)
{
    switch (status) {
        case kNotAKnownFormat:
            return QStringLiteral(
                "Dies ist kein bekanntes Dokumentformat und\nkann daher nicht geöffnet werden!");
        case kOlderVersion:
            return QStringLiteral(
                "Dies ist ein Dokument einer älteren Version\nund kann nicht geöffnet werden!");
        case kNewerVersion:
            return QStringLiteral(
                "Dies ist ein Dokument einer neueren Version\nund kann nicht geöffnet werden!");
        default:
            return QString();
    }
}
