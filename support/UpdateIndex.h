#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// One line of the update index that the maker's web server keeps: a program with its current version, where
// to download it and the page that tells what is new. The index is 8-bit text of fixed columns: a header of
// 25 characters whose characters 23-24 give the number of records, then records of 176 characters, each line
// ended by CR LF or by LF alone.
struct UpdateIndexRecord {
    QString m_strRecordName = QStringLiteral("@");  // "@" when no record was read
    QString m_strRecordVersion;
    QString m_szRecordField28;  // kept as it stands, not used
    QString m_strDownloadPath;
    QString m_strSizeText;
    QString m_strRecordField90;   // not used
    QString m_strRecordField134;  // not used
    QString m_strInfoPage;        // the version-information page, without ".html"
};

// Reads the index as the update check always has: up to two records more than the header states, stopping at
// the first whose name is `productName` exactly. Gives that record, else the record read last; its name is
// "@" when the index ended before a whole record (a record cut short in its columns never counts). Any bytes
// are safe to pass, also an error page of the server.
UpdateIndexRecord readUpdateIndex(QByteArrayView index, QStringView productName);
