#include "platform/docview/Document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "tests/support/TestFiles.h"

using namespace platform;

namespace {

// A document of one text; it can be told to fail while it stores.
class TextDocument : public Document {
public:
    QString text;
    bool failWhileStoring = false;

    void Serialize(Archive& archive) override
    {
        if (archive.isStoring()) {
            archive.writeString(text);
            if (failWhileStoring) throw ArchiveException(ArchiveException::Cause::Generic, "disk gone");
        } else {
            text = archive.readString();
        }
    }
    void DeleteContents() override { text = "new"; }
};

class DocumentFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

}  // namespace

TEST_F(DocumentFiles, SaveWritesTheFileAndClearsTheModifiedFlag)
{
    TextDocument doc;
    doc.text = "abc";
    doc.setModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(path("a.doc")));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(contentsOf(path("a.doc")), QByteArray("\xFF\xFE\xFF\x03"
                                                    "a\0b\0c\0",
                                                    10));

    TextDocument reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path("a.doc")));
    EXPECT_EQ(reopened.text, "abc");
}

TEST_F(DocumentFiles, AFailedSaveKeepsTheOldFileAndTheModifiedFlag)
{
    writeFile(path("old.doc"), "old contents");
    TextDocument doc;
    doc.text = "replacement";
    doc.failWhileStoring = true;
    doc.setModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(path("old.doc")));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.lastError(), Document::kSaveFailedMessage);
    EXPECT_EQ(contentsOf(path("old.doc")), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.doc"});

    doc.failWhileStoring = false;
    EXPECT_FALSE(doc.OnSaveDocument(path("no such folder/new.doc")));
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentFiles, OpenFailuresNameTheirCause)
{
    TextDocument doc;
    EXPECT_FALSE(doc.OnOpenDocument(path("missing.doc")));
    EXPECT_EQ(doc.lastError(), Document::kOpenFailedMessage + "\n\n" + path("missing.doc") +
                                   ": Datei oder Ordner nicht gefunden.");

    writeFile(path("short.doc"), QByteArray("\xFF\xFE\xFF\x09"
                                            "a\0",
                                            6));
    EXPECT_FALSE(doc.OnOpenDocument(path("short.doc")));
    EXPECT_EQ(doc.lastError(), Document::kUnexpectedFormatMessage);

    // Neither waits for a writer nor reads without end.
    ::mkfifo(QFile::encodeName(path("pipe.doc")).constData(), 0600);
    QFile::link("/dev/zero", path("zero.doc"));
    for (const char* special : {"pipe.doc", "zero.doc"}) {
        EXPECT_FALSE(doc.OnOpenDocument(path(special)));
        EXPECT_TRUE(doc.lastError().startsWith(Document::kOpenFailedMessage + "\n\n")) << special;
    }
}

TEST(Document, PathGivesTheTitleAndNewDocumentsAreUntitled)
{
    TextDocument doc;
    doc.setPathName("/tmp/forms/Lieferung 7.fma");
    EXPECT_EQ(doc.title(), "Lieferung 7.fma");
    EXPECT_EQ(doc.pathName(), "/tmp/forms/Lieferung 7.fma");
    doc.setModifiedFlag();
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(doc.pathName().isEmpty());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.text, "new");
}
