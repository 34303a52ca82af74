#pragma once

#include <QString>
#include <QStringView>

// White space that field texts lose at their end: the characters Unicode calls White_Space. Tab, line feed,
// vertical tab, form feed, carriage return, space, U+0085, U+1680, U+2000 to U+200A, U+2028, U+2029, U+205F,
// U+3000 and the no-break spaces U+00A0, U+2007 and U+202F. The no-break spaces count although glibc's
// iswspace leaves them out: a field that ends in one looks no different from one that ends in a blank.
bool IsTrailingWhiteSpace(QChar unit);

// The text up to its last character that is not white space.
QString WithoutTrailingWhiteSpace(QStringView text);
