#pragma once

#include "support/UpdateIndex.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// "3.20.004": a version as the update index and the update dialog write it.
QString updateVersionText(int major, int minor, int build);

// The bytes of "Update.html", the page that offers the download of `record` from the maker's web server at
// `serverAddress`: 8-bit text of code page 1252, every line ending in CR CR LF as the page always has.
// Texts from the index are escaped where they enter the HTML and its script strings, and a download path
// always starts with "/", so that it cannot name another host.
QByteArray updatePageBytes(QStringView serverAddress, const UpdateIndexRecord& record, int major, int minor,
                           int build);
