#pragma once

#include "platform/registry/RegistryHive.h"
#include "platform/registry/RegistryValue.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <map>

namespace platform {

// The keys and values of one hive in the text of a .reg file, as a person can read and edit it:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Brandel\Kalvenport-Zuzaza\Settings]
//   "Language"=dword:00000001
//   "Printer"="Laser \"Büro\""
//
// Texts are UTF-8 between quotes with \\ and \" escaped; a text that one line cannot carry (a line break or
// another control character in it) is written as hex(1): with its UTF-16 bytes, as regedit does. Key and
// value names match without regard to case. Comment lines (";" first) are kept. Reading never fails: a line
// that is not understood is left out and the file counts as damaged, so that the caller can keep a copy
// before the file is written anew.
// Reading, lookup and change take time in proportion to the file and the names involved, never to the
// square of the file.
class RegistryFile {
public:
    explicit RegistryFile(RegistryHive hive) : m_hive(hive) {}

    static RegistryFile parse(RegistryHive hive, QByteArrayView text);
    QByteArray serialize() const;

    bool isDamaged() const { return m_damaged; }

    // Key paths are relative to the hive, parts separated by backslashes ("Software\Brandel"); the empty
    // path is the hive itself. An empty value name is the key's default value.
    const RegistryValue* value(QStringView key, QStringView name) const;
    // A key exists when it or one of its subkeys was written; the hive itself always exists.
    bool hasKey(QStringView key) const;
    // Whether a key lies below `key`.
    bool hasSubkeys(QStringView key) const;

    // Each change answers whether anything changed.
    bool createKey(QStringView key);
    bool setValue(QStringView key, QStringView name, const RegistryValue& value);
    bool removeValue(QStringView key, QStringView name);
    // Removes the key with all its values and subkeys.
    bool removeTree(QStringView key);

    // Whether a key path or value name can stand in a file: no control characters and no broken UTF-16.
    static bool isWritableName(QStringView name);
    // Whether `path` is `key` or lies below it, without regard to case.
    static bool isWithin(QStringView path, QStringView key);
    // The path without empty parts, so that "Software\\Brandel\" and "Software\Brandel" are one key.
    static QString normalizedKey(QStringView key);

private:
    // Comment lines stand right above the value or key they were read before; those of a value or key that
    // is removed move to the end of the file, so that a person's note is never lost.
    struct NamedValue {
        QString name;
        RegistryValue value;
        QStringList comments;
    };
    struct Key {
        QString path;
        QList<NamedValue> values;              // in the order they were written
        QHash<QString, qsizetype> valueIndex;  // folded name -> place in values
        QStringList comments;
    };
    struct Stored {
        NamedValue& named;
        bool changed;
    };
    // Orders folded key paths part by part: the separator stands below every character of a name, so that
    // a key is followed by its subkeys before its next sibling ("a", "a\b", "a b") and all the keys within
    // one key stand together right behind it.
    struct KeyOrder {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const;
    };
    // Folded path -> key, in the order of the file.
    using Keys = std::map<QString, Key, KeyOrder>;

    // The form of a name or path under which it is looked up: two names that match give one folded form.
    static QString folded(QStringView name) { return name.toString().toCaseFolded(); }

    const Key* findKey(QStringView path) const;
    Key& keyForWriting(QStringView path);
    // The first key that is `foldedPath` or lies below it, else the end.
    Keys::const_iterator firstWithin(const QString& foldedPath) const;
    static Stored setValueIn(Key& key, QStringView name, const RegistryValue& value);
    void parseLines(const QStringList& lines);
    // The value line at `index` (and the lines it continues on) into `key`, with the comments read before it.
    bool parseValueLine(Key& key, const QStringList& lines, qsizetype& index, QStringList& comments);
    void serializeKey(QString& out, const Key& key) const;

    RegistryHive m_hive;
    Keys m_keys;
    QStringList m_closingComments;  // written after the last key
    bool m_damaged = false;
};

}  // namespace platform
