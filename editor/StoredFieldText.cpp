#include "editor/StoredFieldText.h"

#include <algorithm>

namespace {

// The one character a CR LF of the stored text is in the window: every other stored character is one of the
// window's, a lone CR or LF, U+2028, U+2029 and the text frame marks turning into a block break as well.
bool IsStoredCrLf(QStringView stored, qsizetype at)
{
    return stored[at] == u'\r' && at + 1 < stored.size() && stored[at + 1] == u'\n';
}

// What a piece of the window's raw text is in a field: every break is CR LF.
QString Stored(QStringView shown)
{
    QString stored;
    stored.reserve(shown.size());
    for (const QChar c : shown) {
        if (c == QChar::ParagraphSeparator) {
            stored += u"\r\n";
        } else {
            stored += c;
        }
    }
    return stored;
}

}  // namespace

void StoredFieldText::Reset(const QString& stored, const QString& shown)
{
    m_stored = stored;
    m_shown = shown;
}

// The edit replaced the part between the longest unchanged start and end of the text; where the text alone
// cannot tell (one of two equal line ends deleted), the window's first changed position decides.
void StoredFieldText::Follow(const QString& shown, qsizetype changedFrom)
{
    if (shown == m_shown) return;
    const qsizetype shorter = std::min(shown.size(), m_shown.size());
    const qsizetype prefix =
        std::min(changedFrom,
                 qsizetype(std::mismatch(shown.cbegin(), shown.cbegin() + shorter, m_shown.cbegin()).first -
                           shown.cbegin()));
    const qsizetype suffix =
        std::mismatch(shown.crbegin(), shown.crbegin() + (shorter - prefix), m_shown.crbegin()).first -
        shown.crbegin();
    const qsizetype storedStart = StoredPosition(prefix);
    const qsizetype storedEnd = StoredPosition(m_shown.size() - suffix);
    m_stored.replace(storedStart, storedEnd - storedStart,
                     Stored(QStringView(shown).sliced(prefix, shown.size() - suffix - prefix)));
    m_shown = shown;
}

qsizetype StoredFieldText::StoredPosition(qsizetype shownPosition) const
{
    qsizetype at = 0;
    for (qsizetype shownAt = 0; shownAt < shownPosition && at < m_stored.size(); ++shownAt)
        at += IsStoredCrLf(m_stored, at) ? 2 : 1;
    return std::min(at, m_stored.size());
}
