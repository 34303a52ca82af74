// The main of every test program: tests never touch the real user's files and never need a display.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    // The user's folders of the desktop lie in a fresh home, whatever the environment names; the system's
    // are the standard ones, and no desktop picks a list of default programs of its own.
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    qputenv("XDG_STATE_HOME", (home.path() + "/.local/state").toUtf8());
    qputenv("XDG_CACHE_HOME", (home.path() + "/.cache").toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    for (const char* systemWide : {"XDG_CONFIG_DIRS", "XDG_DATA_DIRS", "XDG_CURRENT_DESKTOP"})
        qunsetenv(systemWide);
    qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
