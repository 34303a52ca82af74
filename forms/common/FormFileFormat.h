#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <optional>
#include <span>

// Where the string entries of an old file go: `count` fields of `page` from `firstField` on take the entries
// of array `array` from `firstEntry` on; a first entry of kEmpty clears those fields.
struct OldFieldRun {
    static constexpr int kEmpty = -1;

    std::uint16_t page;
    std::uint16_t firstField;
    int count;
    int array;
    int firstEntry;
};

// One older version of a form file: its magic, then string arrays, then single bytes. A file whose array
// has fewer entries than the mapping uses cannot be opened, unless the version pads its first array.
struct OldFormFileVersion {
    QByteArrayView magic;
    int arrayCount;
    int bytesAfterArrays;
    // Which of those bytes is the mark choice; without one the choice is 0 (forms that have a choice).
    std::optional<int> choiceByte;
    // The first array is padded or cut to this many entries before the mapping (0: it is not).
    int padFirstArrayTo;
    std::span<const OldFieldRun> fields;
};

// How a form file tells an older version that it cannot read from a newer one.
enum class OlderVersionRule {
    MajorDigit,    // any major digit other than the current one is older
    ListedMagics,  // only the listed magics are older; any other is newer
};

// The file format of one form: header, the field editor block and the trailer.
struct FormFileFormat {
    QByteArrayView magic;  // "QEL-ATRForm@3.00": the current version, ASCII, no terminator
    int fillBytes;
    bool hasChoice;
    bool computerNameEndsWithLineFeed;
    std::span<const OldFormFileVersion> oldVersions;
    OlderVersionRule olderRule;
    std::span<const QByteArrayView> olderMagics;  // for OlderVersionRule::ListedMagics

    // The length of the magic up to and including '@'.
    qsizetype prefixLength() const { return magic.indexOf('@') + 1; }
};
