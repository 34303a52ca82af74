#pragma once

#include "platform/shell/SystemInfo.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <initializer_list>

// Bytes given as numbers, for file images compared byte for byte.
inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values) result.append(static_cast<char>(v));
    return result;
}

// The whole file; nothing when it cannot be read.
inline QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `contents` as the whole file; a test fails when it cannot.
inline void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

// The user's documents folder, made if need be: a file dialog starts there when no form in hand has a file.
inline QString documentsFolder()
{
    const QString folder = platform::systeminfo::documentsFolder().value_or(QString());
    EXPECT_TRUE(QDir().mkpath(folder));
    return folder;
}
