#pragma once

#include <QString>
#include <QTextStream>

class CQELWinAppEx;

// Forms whose fields hold texts far longer than any box, as a damaged or hostile file of up to the program's
// 16 MiB may bring: each step a user takes with them (opening, Tab into a field, a key, a zoom step, drawing,
// printing a sheet) timed once, against the two seconds a step may take.
class HostileBench {
public:
    HostileBench(CQELWinAppEx& app, QString scratch);

    // Writes the figures to `out`; false when a file would not be written, opened or printed.
    bool run(QTextStream& out);

private:
    struct Case;
    bool runCase(const Case& hostile, QTextStream& out);
    bool print(const Case& hostile, const QString& path, QTextStream& out);

    CQELWinAppEx& m_app;
    QString m_scratch;
};
