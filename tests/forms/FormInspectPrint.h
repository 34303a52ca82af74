#pragma once

// Printing a saved form as the program prints it, through form-inspect --print in a process of its own: the
// test program's target defines KZ_FORM_INSPECT as the tool's path.

#include <QProcess>
#include <QString>

// Prints sheet `sheet` of the form file `form` into `pdf`, with the settings under `configHome` (the
// XDG_CONFIG_HOME of the tool). False when the tool refused, with what it said in `complaint`.
inline bool printWithFormInspect(const QString& form, int sheet, const QString& pdf,
                                 const QString& configHome, QString& complaint)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", configHome);
    tool.setProcessEnvironment(environment);
    tool.start(KZ_FORM_INSPECT, {"--print", form, "--sheet", QString::number(sheet), "--out", pdf});
    tool.waitForFinished(60000);
    complaint = QString::fromUtf8(tool.readAllStandardError());
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}
