#include "platform/shell/CommandLine.h"
#include "program/CKalvenportExportApp.h"
#include "version.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <csignal>

int main(int argc, char** argv)
{
    // Under a limit on the size of files the system would end the program at the first write beyond it,
    // with every open form lost; ignored, the write fails and the program says so.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(CQELWinAppEx::kAppName.toString());
    QApplication::setApplicationVersion(kz::kVersionText);

    // The program speaks German, and so do the file, print and message dialogs that Qt itself provides.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    // Qt has taken its own options out of argv by now.
    CKalvenportExportApp theApp(platform::commandline::arguments(argc, argv));
    const int result = theApp.InitInstance() ? QApplication::exec() : 0;
    const int exitCode = theApp.ExitInstance();
    return result != 0 ? result : exitCode;
}
