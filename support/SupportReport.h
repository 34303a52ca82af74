#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringView>

class SettingsStore;

// The support file that the support information dialog saves for the maker's hotline: what the dialog
// shows, then the program's settings section by section (with the driver and port of each form's printer),
// the font heights and the files used last. Texts by language (1 English, any other German); the value names
// and block headings are the same in both.
class SupportReport {
public:
    // What stands at the top of the report besides the program's name.
    struct Heading {
        QString appName;
        // The program's version line, as the dialog shows it.
        QString programInfo;
        // The screen and the program's folder, as the dialog shows them.
        QString systemInfo;
        QDate date;
    };

    SupportReport(const SettingsStore& settings, int language);

    // The whole report, each line ending in CR LF.
    QString text(const Heading& heading) const;
    // As the file holds it: the byte order mark FF FE, then the text in UTF-16 little endian.
    static QByteArray fileBytes(const QString& text);
    // "<program>_Daten.txt", in English "<program>_Data.txt".
    static QString fileName(QStringView appName, int language);
    // What a setting that is not there shows.
    static QString notDefinedText(int language);

private:
    enum class Missing { Shown, Skipped };

    void appendSettings(QString& out) const;
    void appendInt(QString& out, QStringView section, QStringView name, Missing missing) const;
    void appendText(QString& out, QStringView section, QStringView name) const;
    void appendPrinter(QString& out, QStringView section) const;
    void appendFonts(QString& out) const;
    void appendRecentFiles(QString& out) const;
    QStringView text(QStringView german, QStringView english) const;

    const SettingsStore& m_settings;
    bool m_bEnglish;
    QString m_strNotDefined;
};
