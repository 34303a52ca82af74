#include "platform/shell/DesktopFile.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(DesktopFile, FindsAKeyInItsGroupOnly)
{
    const QByteArray content =
        "# comment\n[Desktop Action new]\nExec=wrong\n[Desktop Entry]\nName[de]=Netz\nExec = a\\sb\\\\c %u \n"
        "[Other]\nExec=other\n";
    EXPECT_EQ(desktopfile::value(content, u"Desktop Entry", u"Exec"), QString("a b\\c %u"));
    EXPECT_EQ(desktopfile::value(content, u"Desktop Entry", u"Name"), QString());
    EXPECT_EQ(desktopfile::value(content, u"Missing", u"Exec"), QString());
}

TEST(DesktopFile, TheProgramIsTheFirstArgumentOfTheExecLine)
{
    const std::pair<QString, QString> cases[] = {
        {"firefox %u", "firefox"},
        {"  /usr/bin/web", "/usr/bin/web"},
        {"\"/opt/My Web/run\" --new %U", "/opt/My Web/run"},
        {"\"/opt/say \\\"hi\\\"/run\" %u", "/opt/say \"hi\"/run"},
        {"\"/never/closed", ""},
        {"", ""},
    };
    for (const auto& [exec, program] : cases)
        EXPECT_EQ(desktopfile::execProgram(exec), program) << exec.toStdString();
}

TEST(DesktopFile, QuotedArgumentsReadBackAsTheyWere)
{
    for (const QString& path :
         {QString("/opt/Kalvenport Zuzaza/bin/kz"), QString("/a\"b`c$d\\e"), QString("/100%")}) {
        const QString exec = desktopfile::escapedValue(desktopfile::quotedExecArgument(path) + " %f");
        const QByteArray file = "[Desktop Entry]\nExec=" + exec.toUtf8() + "\n";
        EXPECT_EQ(desktopfile::execProgram(desktopfile::value(file, u"Desktop Entry", u"Exec")), path);
    }
    EXPECT_EQ(desktopfile::quotedExecArgument(u"/opt/K Z/kz"), QString("\"/opt/K Z/kz\""));
}
