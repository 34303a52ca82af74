#pragma once

#include <QString>
#include <QStringView>

// The text of the field the live window stands on, as the field stores it, kept in step with the window's
// text edit by edit. The window knows only one kind of line end, where a field may hold CR LF, a lone CR, a
// lone LF or a paragraph separator from another program: the characters an edit leaves alone keep their
// stored form, so a field the caret only passes through keeps its text byte for byte. What an edit puts in
// ends its lines with CR LF.
class StoredFieldText {
public:
    // Starts over with `stored`, which the window now shows as `shown` (its raw text: U+2029 between blocks).
    void Reset(const QString& stored, const QString& shown);
    // Takes over the window's edit: it now shows `shown`, and changed nothing before `changedFrom`.
    void Follow(const QString& shown, qsizetype changedFrom);
    const QString& Text() const { return m_stored; }

private:
    // Where the character at `shownPosition` of the window's text stands in the stored text.
    qsizetype StoredPosition(qsizetype shownPosition) const;

    QString m_stored;
    QString m_shown;
};
