#pragma once

#include <QString>
#include <QTextStream>

class CQELWinAppEx;
class FilledForms;

// Opens and saves each filled form file through the program's documents, against reading and writing the
// same bytes with Qt alone; and prints each sheet of each form that prints into a PDF through the program's
// print job, against a PDF of one empty page.
class FileBench {
public:
    FileBench(CQELWinAppEx& app, const FilledForms& forms, QString scratch, int samples);

    // Writes the figures to `out`; false when a file would not open, save or print.
    bool run(QTextStream& out);

private:
    bool openAndSave(int kind, QTextStream& out);
    bool print(int kind, QTextStream& out);

    CQELWinAppEx& m_app;
    const FilledForms& m_forms;
    QString m_scratch;
    int m_samples;
};
