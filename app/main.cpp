#include <QApplication>
#include <QMainWindow>

#include "version.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kalvenport-Zuzaza");
    QApplication::setApplicationVersion(kz::kVersionText);

    QMainWindow mainWindow;
    mainWindow.setWindowTitle("Kalvenport-Zuzaza");
    mainWindow.showMaximized();
    return app.exec();
}
