#include "app/CKalvenportExportApp.h"
#include "version.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(CQELWinAppEx::kAppName.toString());
    QApplication::setApplicationVersion(kz::kVersionText);

    CKalvenportExportApp theApp(CKalvenportExportApp::CommandLineOf(QApplication::arguments()));
    const int result = theApp.InitInstance() ? QApplication::exec() : 0;
    const int exitCode = theApp.ExitInstance();
    return result != 0 ? result : exitCode;
}
