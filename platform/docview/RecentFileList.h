#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The files opened or saved last, the latest first, at most `size` of them; a file stands in it once.
class RecentFileList {
public:
    explicit RecentFileList(int size = 8) : m_size(size) {}

    int size() const { return m_size; }
    const QStringList& entries() const { return m_entries; }
    // Takes the entries as read from the settings, the first one the latest; empty ones are left out.
    void setEntries(const QStringList& entries);

    // Puts the file at the top, moving it there when it is in the list already.
    void Add(const QString& path);
    void Remove(int index);

    // The menu text of an entry: "&1 /path/Form.fme".
    QString menuText(int index) const;

private:
    int m_size;
    QStringList m_entries;
};

}  // namespace platform
