#pragma once

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class SettingsStore;

// The start picture with the program's version, shown centred over the main window for a few seconds after
// start-up, and kept there while the window manager places the main window.
// It closes on its timer, or on the first key or mouse press anywhere in the program, which it swallows: that
// press does nothing else, not even a command of its key.
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    // The one splash window; null when there is none.
    static QPointer<CSplashWnd> c_pSplashWnd;

    // Shows the splash over `mainWindow`, unless one is up already or its picture cannot be loaded; the
    // splash reads its seconds from `settings` and shows `versionString`. Null when none was made.
    static CSplashWnd* Create(QWidget& mainWindow, const SettingsStore& settings,
                              const QString& versionString);
    // How long the splash stays for the stored "SplashScreen" seconds: a negative value gives 5 s, more than
    // a minute gives a minute.
    static int DisplayMilliseconds(int storedSeconds);

    ~CSplashWnd() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // While the splash is up, every key and mouse press of the program comes here first.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSplashWnd(QWidget& mainWindow, QImage bitmap, QString versionString);
    void CenterOverMainWindow();
    void DestroyWindow();

    // An image, not a pixmap: the picture is read in the form it is drawn from, without a second copy. Null
    // once painted.
    QImage m_bitmap;
    QString m_strVersion;
    QTimer m_timer{this};
};
