// kz-bare-window: the floor of the benchmark's start and memory figures. A Qt main window with what every
// window of the program has, a menu bar, a toolbar, a status bar and an MDI area, and nothing of the program:
// what any Qt program of this kind costs at start. It runs until closed; the benchmark's start probe ends it
// after its first paint.

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&Datei"));
    QToolBar* toolbar = window.addToolBar(QStringLiteral("Standard"));
    const QStyle::StandardPixmap icons[] = {QStyle::SP_FileIcon, QStyle::SP_DirOpenIcon,
                                            QStyle::SP_DialogSaveButton};
    for (const QStyle::StandardPixmap icon : icons) {
        QAction* action = file->addAction(window.style()->standardIcon(icon), QStringLiteral("Befehl"));
        toolbar->addAction(action);
    }
    window.menuBar()->addMenu(QStringLiteral("&Ansicht"));
    window.menuBar()->addMenu(QStringLiteral("&Hilfe"));
    window.statusBar()->showMessage(QStringLiteral("Bereit"));
    window.setCentralWidget(new QMdiArea);
    window.showMaximized();
    return QApplication::exec();
}
