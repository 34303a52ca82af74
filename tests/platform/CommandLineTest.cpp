#include "platform/file/FileName.h"
#include "platform/shell/CommandLine.h"
#include "platform/shell/HtmlHelp.h"
#include "platform/shell/ProcessLauncher.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace platform;
using namespace std::string_view_literals;

TEST(CommandLine, SplitsByTheWindowsRules)
{
    struct Case {
        const char* line;
        QStringList arguments;
    };
    const Case cases[] = {
        {R"("/opt/Mein Browser/browser" -nohome https://x.de)",
         {"/opt/Mein Browser/browser", "-nohome", "https://x.de"}},
        {R"(a  "b c"   d)", {"a", "b c", "d"}},
        {R"(a\\b "c\"d" e\\\\"f g")", {R"(a\\b)", R"(c"d)", R"(e\\f g)"}},
        {R"("")", {""}},
        {"   ", {}},
        {"x\ty", {"x", "y"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commandline::split(QString::fromUtf8(c.line)), c.arguments) << c.line;
}

TEST(CommandLine, TheProgramsOwnArgumentsKeepEveryByteOfAFileName)
{
    // Good UTF-8 beyond 16 bits, then no UTF-8: Latin-1, an overlong "/", an encoded surrogate.
    for (const char* name :
         {"Grüße \xF0\x9F\x93\x84.fma", "\xE4rger.fma", "\xC0\xAF.fma", "\xED\xB3\xA4.fma"}) {
        const char* argv[] = {"kz", name};
        const QStringList arguments = commandline::arguments(2, argv);
        ASSERT_EQ(arguments.size(), 1) << name;
        EXPECT_EQ(filename::toNative(arguments[0]), QByteArray(name)) << name;
        EXPECT_EQ(arguments[0] == QString::fromUtf8(name), name[0] == 'G') << name;
    }
}

TEST(CommandLine, StartsTheProgramWithItsArgumentsAsTheyStand)
{
    QString program;
    QStringList arguments;
    ProcessLauncher::setLauncher([&](const QString& p, const QStringList& a) {
        program = p;
        arguments = a;
        return true;
    });
    EXPECT_TRUE(commandline::start(utf16(u"\"/usr/bin/stöbern\" \"https://x.de/ä ü\""sv)));
    EXPECT_EQ(program, utf16(u"/usr/bin/stöbern"sv));
    EXPECT_EQ(arguments, QStringList({utf16(u"https://x.de/ä ü"sv)}));
    EXPECT_FALSE(commandline::start(u"  "));

    ProcessLauncher::setLauncher([](const QString&, const QStringList&) { return false; });
    EXPECT_FALSE(commandline::start(u"/usr/bin/nichts"));
    ProcessLauncher::setLauncher({});
}

TEST(Help, ShowsThePageOfTheContextIdOrOfTheTopicStandingInForItOrTheContentsPage)
{
    QTemporaryDir pages;
    for (const char* name : {"100.html", "320.html", "328.html"}) {
        QFile page(pages.filePath(name));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write(QByteArray("<html><body>") + name + "</body></html>");
    }
    HtmlHelp::setPageFolder(pages.path());
    EXPECT_EQ(HtmlHelp::pageFor(328, 320), pages.filePath("328.html"));
    EXPECT_EQ(HtmlHelp::pageFor(329, 320), pages.filePath("320.html"));
    EXPECT_EQ(HtmlHelp::pageFor(361, 360), pages.filePath("100.html"));
    EXPECT_EQ(HtmlHelp::pageFor(329), pages.filePath("100.html"));

    QWidget owner;
    QTextBrowser* window = HtmlHelp::show(329, 360, &owner);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->source().toLocalFile(), pages.filePath("100.html"));
    EXPECT_TRUE(window->toPlainText().contains("100.html"));
    EXPECT_EQ(HtmlHelp::show(329, 320, &owner), window);  // one help window
    EXPECT_EQ(window->source().toLocalFile(), pages.filePath("320.html"));
    HtmlHelp::setPageFolder(":/help");
}
