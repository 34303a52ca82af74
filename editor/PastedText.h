#pragma once

#include <QString>
#include <QStringView>

// What a paste puts into a field, made from the clipboard's text: spreadsheet cells come as "..." with bare
// line feeds and trailing blanks. Bare line feeds become CR LF, trailing white space goes, and one pair of
// double quotes around the whole text goes (a lone double quote leaves nothing).
QString NormalizePastedText(QStringView clipboardText);
