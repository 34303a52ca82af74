#include "editor/TrailingWhiteSpace.h"

bool IsTrailingWhiteSpace(QChar unit)
{
    return unit.isSpace();
}

QString WithoutTrailingWhiteSpace(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && IsTrailingWhiteSpace(text[end - 1])) --end;
    return text.first(end).toString();
}
