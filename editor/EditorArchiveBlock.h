#pragma once

#include "editor/EditorFieldModel.h"

namespace platform {
class Archive;
}

// The field editor's part of every form file: mark 0x1206, version, the page-1 texts and format words, then
// (version 2) mode, column count, cell texts and cell format words. Version 0 and 1 blocks end after the
// page-1 format words.
class EditorArchiveBlock {
public:
    static constexpr std::uint16_t kMark = 0x1206;
    static constexpr std::uint16_t kVersion = 2;

    // Writes the block. Trailing white space is dropped from every text, in the model too, so that what is
    // shown after a save is what the file holds.
    static void Store(platform::Archive& archive, EditorFieldModel& model);
    // Reads a block into a copy of `model` and returns it. Throws platform::ArchiveException: BadClass for a
    // foreign mark, BadSchema for a newer version, EndOfFile or Generic for data that is cut off or cannot be
    // true. The caller keeps its model when it throws.
    static EditorFieldModel Load(platform::Archive& archive, EditorFieldModel model);

private:
    static void TrimAll(QStringList& texts);
    static void LoadLines(platform::Archive& archive, EditorFieldModel& model);
    static void LoadTable(platform::Archive& archive, EditorFieldModel& model);
};
