#pragma once

#include "forms/common/FormFileFormat.h"
#include "platform/archive/Archive.h"

#include <QString>

class CQeEditWindow;

// The load status of a form file: 0, or the string id of the message that refuses it.
enum FormLoadStatus : int {
    kLoaded = 0,
    kNotAKnownFormat = 18,
    kOlderVersion = 19,
    kNewerVersion = 20,
};

// Writes and reads the four form file formats. A refused file (status 18, 19 or 20) changes nothing of the
// editor or the choice. Damaged data throws platform::ArchiveException: EndOfFile where the file ends
// before what it announces, Generic where an old file has fewer entries than its version holds.
class FormFile {
public:
    static constexpr std::uint16_t kCurrentVersion = 300;
    static constexpr char kTrailer = '@';

    struct Origin {
        QString computerName;
        QString userName;
    };

    static void Store(platform::Archive& archive, const FormFileFormat& format, CQeEditWindow& editor,
                      int markChoice, const Origin& origin);
    static FormLoadStatus Load(platform::Archive& archive, const FormFileFormat& format,
                               CQeEditWindow& editor, int& markChoice);

    // The text of a refusal, "" for kLoaded.
    static QString StatusMessage(int status);

private:
    static FormLoadStatus CheckMagic(QByteArrayView magic, const FormFileFormat& format);
    static void LoadOldVersion(platform::Archive& archive, const OldFormFileVersion& version, bool hasChoice,
                               CQeEditWindow& editor, int& markChoice);
    static FormLoadStatus LoadCurrentVersion(platform::Archive& archive, const FormFileFormat& format,
                                             CQeEditWindow& editor, int& markChoice);
};
