#pragma once

// Printing and drawing a saved form as the program does, through form-inspect in a process of its own: the
// test program's target defines KZ_FORM_INSPECT as the tool's path.

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs form-inspect with `arguments` and the settings under `configHome` (the XDG_CONFIG_HOME of the tool).
// False when the tool refused, with what it said in `complaint`.
inline bool runFormInspect(const QStringList& arguments, const QString& configHome, QString& complaint)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", configHome);
    tool.setProcessEnvironment(environment);
    tool.start(KZ_FORM_INSPECT, arguments);
    tool.waitForFinished(60000);
    complaint = QString::fromUtf8(tool.readAllStandardError());
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

// Prints sheet `sheet` of the form file `form` into `pdf`.
inline bool printWithFormInspect(const QString& form, int sheet, const QString& pdf,
                                 const QString& configHome, QString& complaint)
{
    return runFormInspect({"--print", form, "--sheet", QString::number(sheet), "--out", pdf}, configHome,
                          complaint);
}
