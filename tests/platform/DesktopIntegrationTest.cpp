#include "platform/shell/DesktopIntegration.h"

#include "platform/shell/DesktopFile.h"
#include "platform/shell/ProcessLauncher.h"
#include "tests/platform/TestEnvironment.h"
#include "tests/support/FullDisk.h"

#include <gtest/gtest.h>
#include <QXmlStreamReader>

using namespace platform;

namespace {

DesktopProgram program(const QString& executable)
{
    return {"kz-test",
            "KZ Test",
            executable,
            "<svg id='app'/>",
            {{"application/x-kz-one", "Eins", "*.one", "ONE@", "<svg id='one'/>", true},
             {"application/x-kz-two", "Zwei", "*.two", {}, "<svg id='two'/>", false}}};
}

// What a MIME package says about each type: its glob and its magic.
struct MimeType {
    QString glob;
    QString magic;
};

QMap<QString, MimeType> readMimePackage(const QByteArray& xml)
{
    QMap<QString, MimeType> types;
    QString current;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        const auto attribute = [&](const char* name) { return reader.attributes().value(name).toString(); };
        if (reader.name() == u"mime-type") current = attribute("type");
        if (reader.name() == u"glob") types[current].glob = attribute("pattern");
        if (reader.name() == u"match") types[current].magic = attribute("offset") + ":" + attribute("value");
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return types;
}

class DesktopFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProcessLauncher::setLauncher([this](const QString& tool, const QStringList& arguments) {
            started.append(tool + " " + arguments.join(' '));
            return true;
        });
    }
    void TearDown() override { ProcessLauncher::setLauncher({}); }

    QByteArray file(const QString& relative) const
    {
        return TestEnvironment::contentsOf(environment.path("data/" + relative));
    }

    TestEnvironment environment;
    DesktopIntegration desktop{environment.path("data")};
    QStringList started;
};

}  // namespace

TEST_F(DesktopFiles, RegistersTheProgramItsTypesAndTheirIcons)
{
    EXPECT_TRUE(desktop.registerProgram(program("/opt/KZ Test/bin/kz")).ok());
    const QByteArray entry = file("applications/kz-test.desktop");
    EXPECT_EQ(desktopfile::value(entry, u"Desktop Entry", u"Exec"), QString("\"/opt/KZ Test/bin/kz\" %f"));
    EXPECT_EQ(desktopfile::value(entry, u"Desktop Entry", u"MimeType"), QString("application/x-kz-one;"));
    EXPECT_EQ(desktopfile::value(entry, u"Desktop Entry", u"Icon"), QString("kz-test"));
    const QMap<QString, MimeType> types = readMimePackage(file("mime/packages/kz-test.xml"));
    EXPECT_EQ(types.size(), 2);
    EXPECT_EQ(types["application/x-kz-one"].glob, QString("*.one"));
    EXPECT_EQ(types["application/x-kz-one"].magic, QString("0:ONE@"));
    EXPECT_EQ(types["application/x-kz-two"].magic, QString());
    EXPECT_EQ(file("icons/hicolor/scalable/apps/kz-test.svg"), "<svg id='app'/>");
    EXPECT_EQ(file("icons/hicolor/scalable/mimetypes/application-x-kz-two.svg"), "<svg id='two'/>");
    EXPECT_EQ(started, QStringList({"update-mime-database " + environment.path("data/mime"),
                                    "update-desktop-database " + environment.path("data/applications")}));
}

TEST_F(DesktopFiles, AnUnchangedRegistrationWritesAndStartsNothing)
{
    desktop.registerProgram(program("/opt/kz"));
    started.clear();
    // Back-dated, so that any rewrite shows in the time stamp.
    const QString entryPath = environment.path("data/applications/kz-test.desktop");
    const QDateTime past = QDateTime::currentDateTime().addDays(-1);
    QFile entry(entryPath);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly) &&
                entry.setFileTime(past, QFileDevice::FileModificationTime));
    entry.close();
    EXPECT_TRUE(desktop.registerProgram(program("/opt/kz")).ok());
    EXPECT_EQ(QFileInfo(entryPath).lastModified().toSecsSinceEpoch(), past.toSecsSinceEpoch());
    EXPECT_TRUE(started.isEmpty());
}

TEST_F(DesktopFiles, AMovedProgramRewritesOnlyItsEntry)
{
    desktop.registerProgram(program("/opt/old/kz"));
    started.clear();
    EXPECT_TRUE(desktop.registerProgram(program("/opt/new/kz")).ok());
    EXPECT_EQ(desktopfile::value(file("applications/kz-test.desktop"), u"Desktop Entry", u"Exec"),
              QString("\"/opt/new/kz\" %f"));
    EXPECT_EQ(started, QStringList("update-desktop-database " + environment.path("data/applications")));
}

TEST_F(DesktopFiles, FilesThatRunOutOfRoomStayAsTheyWere)
{
    FullDisk disk;
    if (disk.unavailable()) GTEST_SKIP() << disk.unavailable();
    const DesktopIntegration full(disk.path("data"));
    ASSERT_TRUE(full.registerProgram(program("/opt/old/kz")).ok());
    const QString entry = disk.path("data/applications/kz-test.desktop");
    const QString package = disk.path("data/mime/packages/kz-test.xml");
    const QByteArray entryBefore = TestEnvironment::contentsOf(entry);
    const QByteArray packageBefore = TestEnvironment::contentsOf(package);
    DesktopProgram moved = program("/opt/new/kz");
    moved.fileTypes[0].comment = "Ein neuer Name";
    disk.fill();
    const wholefile::WriteResult result = full.registerProgram(moved);
    EXPECT_TRUE(result.error.contains(entry)) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(package));
    EXPECT_EQ(TestEnvironment::contentsOf(entry), entryBefore);
    EXPECT_EQ(TestEnvironment::contentsOf(package), packageBefore);
}

TEST_F(DesktopFiles, MagicBytesThatAreNotPlainTextAreEscaped)
{
    DesktopProgram withBinaryMagic = program("/kz");
    withBinaryMagic.fileTypes[0].magic = QByteArray("A\\ \x01", 4);
    const QMap<QString, MimeType> types = readMimePackage(DesktopIntegration::mimePackage(withBinaryMagic));
    EXPECT_EQ(types["application/x-kz-one"].magic, QString("0:A\\x5c\\x20\\x01"));
}

TEST_F(DesktopFiles, AFolderThatCannotBeWrittenFailsQuietly)
{
    environment.writeFile("data/applications", "a file where the folder belongs");
    EXPECT_FALSE(desktop.registerProgram(program("/kz")).ok());
    EXPECT_FALSE(file("mime/packages/kz-test.xml").isEmpty());
    EXPECT_EQ(started, QStringList("update-mime-database " + environment.path("data/mime")));
}
