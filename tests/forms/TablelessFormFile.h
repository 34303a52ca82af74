#pragma once

#include "editor/CQeEditWindow.h"
#include "platform/archive/Archive.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <QList>
#include <QStringList>

// The file of `form` with its editor block replaced by one without a table: a version-1 block, or a version-2
// block with no columns. Its page-1 texts and flags are the form's.
inline QByteArray withoutTable(const QByteArray& file, CQeEditWindow& form, std::uint16_t blockVersion)
{
    const qsizetype block = file.indexOf(QByteArray::fromHex("06120200"));
    EXPECT_GT(block, 0);
    QStringList texts;
    QList<std::uint16_t> flags;
    for (std::uint16_t field = 0; field < form.GetLineCount(); ++field) {
        texts.append(form.GetFieldText(field, 1));
        flags.append(form.GetFieldFlags(field, 1));
    }
    QByteArray tableless = file.left(block);
    platform::Archive archive(tableless);
    archive.writeWord(0x1206);
    archive.writeWord(blockVersion);
    archive.writeStringArray(texts);
    archive.writeWordArray(flags);
    if (blockVersion == 2) {
        archive.writeWord(0);  // mode: no table
        archive.writeWord(0);  // columns
        archive.writeStringArray({});
        archive.writeWordArray({});
    }
    archive.writeByte('@');
    return tableless;
}
