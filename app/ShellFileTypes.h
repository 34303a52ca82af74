#pragma once

#include <QByteArrayView>
#include <QStringView>
#include <array>

// The file types the program registers with the shell, the four form files in the order of the document
// templates and then ".lz2", which the Open dialog offers but no form reads.
struct ShellFileType {
    QStringView extension;     // as the document string has it
    QStringView fileTypeId;    // the registry class (ProgID)
    QStringView fileTypeName;  // what the shell calls such a file
    QStringView docName;       // the base name of a new file
    bool hasTemplate;          // a form reads it; only these get an icon number and an open command
    QStringView mimeType;
    QByteArrayView magic;  // every such file starts with these bytes; empty when unknown
    QStringView icon;      // the resource of the type's icon
};

inline constexpr std::array<ShellFileType, 5> kShellFileTypes{{
    {u".fme", u"EUR1-Dokument", u"EUR1-Dokument", u"Euform", true, u"application/x-kalvenport-eur1",
     "QEL-EUR1Form@", u":/icons/form-eur1.svg"},
    {u".fma", u"ATR-Dokument", u"ATR-Dokument", u"ATRform", true, u"application/x-kalvenport-atr",
     "QEL-ATRForm@", u":/icons/form-atr.svg"},
    {u".fmu", u"Ursprungszeugnis", u"Ursprungszeugnis", u"UZform", true, u"application/x-kalvenport-uz",
     "QEL-UZForm@", u":/icons/form-uz.svg"},
    {u".LZ1", u"Langeiterkl848a.Dokument", u"Langzeiterklärung 848a", u"LZErk", true,
     u"application/x-kalvenport-lze848a", "QEL-LZE1Form@", u":/icons/form-lze848a.svg"},
    {u".LZ2",
     u"Langeiterkl848.Dokument",
     u"Langzeiterklärung 848",
     u"LZErk",
     false,
     u"application/x-kalvenport-lze848",
     {},
     u":/icons/form-lze848.svg"},
}};
