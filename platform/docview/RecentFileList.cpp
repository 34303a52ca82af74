#include "platform/docview/RecentFileList.h"

namespace platform {

void RecentFileList::setEntries(const QStringList& entries)
{
    m_entries.clear();
    for (const QString& entry : entries) {
        if (!entry.isEmpty() && !m_entries.contains(entry) && m_entries.size() < m_size)
            m_entries.append(entry);
    }
}

void RecentFileList::Add(const QString& path)
{
    if (path.isEmpty()) return;
    m_entries.removeAll(path);
    m_entries.prepend(path);
    while (m_entries.size() > m_size) m_entries.removeLast();
}

void RecentFileList::Remove(int index)
{
    if (index >= 0 && index < m_entries.size()) m_entries.removeAt(index);
}

QString RecentFileList::menuText(int index) const
{
    QString path = m_entries.value(index);
    // A "&" in a file name is a character of the name, not a mnemonic.
    path.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(path);
}

}  // namespace platform
