#include "DocViewDoubles.h"
#include "platform/command/StandardCommands.h"
#include "platform/docview/ChildFrame.h"
#include "platform/docview/DocManager.h"
#include "platform/docview/MdiFrame.h"
#include "platform/docview/QtDocumentUi.h"
#include "platform/file/FileName.h"
#include "tests/support/AnsweringUi.h"
#include "tests/support/TestFiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <functional>

using namespace platform;

namespace {

// A document that opens any file as untitled, as a form does with a file it refuses.
class RefusingDocument : public NoteDocument {
public:
    bool OnOpenDocument(const QString& path) override
    {
        if (!NoteDocument::OnOpenDocument(path)) return false;
        clearPathName();
        setTitle({});
        return true;
    }
};

class Documents : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager.AddDocTemplate(DocTemplate(
            901, "\nNotiz\nNotiz\nNotiz (*.not)\n.NOT\nNotiz.Dokument\nNotiz",
            [] { return std::make_unique<NoteDocument>(); },
            [](Document& document) { return new NoteView(document); }));
        manager.AddDocTemplate(
            DocTemplate(902, "\nAbgelehnt\nAbgelehnt\nAbgelehnt (*.abl)\n.abl\nAbgelehnt\nAbgelehnt",
                        [] { return std::make_unique<RefusingDocument>(); }));
        manager.setFrame(&frame);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    QString writeNote(const QString& name, const QString& text)
    {
        NoteDocument note;
        note.text = text;
        EXPECT_TRUE(note.OnSaveDocument(path(name)));
        return path(name);
    }

    NoteView* viewOf(Document* document) const
    {
        ChildFrame* child = manager.frameOf(*document);
        return child ? static_cast<NoteView*>(child->GetActiveView()) : nullptr;
    }

    QTemporaryDir dir;
    AnsweringUi ui;
    AnsweringDocumentUi documentUi;
    RecentFileList recent;
    DocManager manager{recent};
    MdiFrame frame;
};

}  // namespace

TEST_F(Documents, AFileOpensInAFrameWithItsTemplatesViewAfterLoading)
{
    const QString file = writeNote("Lieferung 7.not", "Hallo");
    auto* document = static_cast<NoteDocument*>(manager.OpenDocumentFile(file));
    ASSERT_TRUE(document);
    EXPECT_EQ(document->text, "Hallo");
    EXPECT_EQ(document->docTemplate()->resourceId(), 901);
    EXPECT_EQ(document->pathName(), QFileInfo(file).absoluteFilePath());
    EXPECT_EQ(frame.MDIGetActive()->windowTitle(), "Lieferung 7.not");
    NoteView* view = viewOf(document);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->GetDocument(), document);
    EXPECT_EQ(view->initialUpdates, 1);
    EXPECT_EQ(recent.entries(), QStringList({document->pathName()}));
}

TEST_F(Documents, AFileThatIsOpenAlreadyIsOnlyActivated)
{
    const QString first = writeNote("a.not", "a");
    Document* opened = manager.OpenDocumentFile(first);
    // A name from a system whose names are Latin-1: its "ä" is no UTF-8.
    const QString latin1 = writeNote(filename::fromNative("\xE4rger.not"), "b");
    Document* latin1Opened = manager.OpenDocumentFile(latin1);
    EXPECT_EQ(manager.OpenDocumentFile(latin1), latin1Opened);
    EXPECT_EQ(manager.OpenDocumentFile(dir.path() + "/./a.not"), opened);
    EXPECT_EQ(frame.childFrames().size(), 2);
    EXPECT_EQ(frame.MDIGetActive()->GetActiveDocument(), opened);
    // Qt cannot remove it with the folder.
    ::unlink(filename::toNative(latin1).constData());
}

TEST_F(Documents, AFileThatCannotBeReadLeavesNoFrameAndSaysWhy)
{
    QFile broken(path("kaputt.not"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x05");
    broken.close();
    EXPECT_EQ(manager.OpenDocumentFile(path("kaputt.not")), nullptr);
    EXPECT_EQ(manager.OpenDocumentFile(path("fehlt.not")), nullptr);
    EXPECT_TRUE(frame.childFrames().isEmpty());
    EXPECT_EQ(ui.messageTexts(), QStringList({Document::kUnexpectedFormatMessage,
                                              Document::kOpenFailedMessage + "\n\n" + path("fehlt.not") +
                                                  ": Datei oder Ordner nicht gefunden."}));
    EXPECT_TRUE(recent.entries().isEmpty());
}

TEST_F(Documents, ARefusedFileOpensUntitledAndIsNoRecentFile)
{
    Document* document = manager.OpenDocumentFile(writeNote("alt.abl", "x"));
    ASSERT_TRUE(document);
    EXPECT_TRUE(document->pathName().isEmpty());
    EXPECT_EQ(document->title(), "Abgelehnt1");
    EXPECT_TRUE(recent.entries().isEmpty());
}

TEST_F(Documents, NewDocumentsAreCountedPerTemplate)
{
    const std::vector<DocTemplate>& templates = manager.templates();
    EXPECT_EQ(manager.OpenNewDocument(templates[0])->title(), "Notiz1");
    EXPECT_EQ(manager.OpenNewDocument(templates[1])->title(), "Abgelehnt1");
    EXPECT_EQ(manager.OpenNewDocument(templates[0])->title(), "Notiz2");
    EXPECT_EQ(frame.childFrames().size(), 3);
}

TEST_F(Documents, SavingAnUntitledDocumentAsksForANameWithItsTemplatesTypeAndExtension)
{
    const QString documents = documentsFolder();
    auto* document = static_cast<NoteDocument*>(manager.OpenNewDocument(manager.templates()[0]));
    document->text = "neu";
    documentUi.fileAnswers = {path("Gespeichert.NOT")};
    EXPECT_TRUE(frame.ExecuteCommand(ID_FILE_SAVE));
    ASSERT_EQ(documentUi.fileRequests.size(), 1);
    const FileDialogRequest& request = documentUi.fileRequests[0];
    EXPECT_EQ(request.mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(request.fileName, documents + "/Notiz1.NOT");
    EXPECT_EQ(request.defaultSuffix, "NOT");
    EXPECT_EQ(request.filters,
              QList<FileFilter>({{"Notiz (*.not)", "*.NOT"}, {DocManager::kAllFilesFilter, "*.*"}}));
    EXPECT_EQ(document->pathName(), path("Gespeichert.NOT"));
    EXPECT_EQ(document->title(), "Gespeichert.NOT");
    EXPECT_EQ(recent.entries(), QStringList({path("Gespeichert.NOT")}));

    // Saved once, Save writes to the same file without asking; Save As asks again.
    EXPECT_TRUE(frame.ExecuteCommand(ID_FILE_SAVE));
    EXPECT_EQ(documentUi.fileRequests.size(), 1);
    EXPECT_TRUE(frame.ExecuteCommand(ID_FILE_SAVE_AS));
    EXPECT_EQ(documentUi.fileRequests.size(), 2);
    EXPECT_EQ(documentUi.fileRequests[1].fileName, path("Gespeichert.NOT"));
}

namespace {

// A file its user cannot write: without write permission, and for the superuser, whom no permission stops,
// unchangeable as well. It goes with this, as Qt cannot remove a name that is not UTF-8 with its folder.
class UnwritableFile {
public:
    explicit UnwritableFile(const QString& path) : m_native(filename::toNative(path))
    {
        ::chmod(m_native.constData(), 0444);
        if (::geteuid() == 0) m_unchangeable = SetFlags(FS_IMMUTABLE_FL);
    }
    ~UnwritableFile()
    {
        if (m_unchangeable) SetFlags(0);
        ::unlink(m_native.constData());
    }
    bool unwritable() const { return ::geteuid() != 0 || m_unchangeable; }

private:
    bool SetFlags(int flags) const
    {
        const int file = ::open(m_native.constData(), O_RDONLY | O_CLOEXEC);
        const bool set = file >= 0 && ::ioctl(file, FS_IOC_SETFLAGS, &flags) == 0;
        if (file >= 0) ::close(file);
        return set;
    }

    QByteArray m_native;
    bool m_unchangeable = false;
};

}  // namespace

TEST_F(Documents, SavingAFileThatCannotBeWrittenAsksForAName)
{
    // A name from a system whose names are Latin-1 as well: its "ä" is no UTF-8.
    for (const QString& name : {QString("gesperrt.not"), filename::fromNative("\xE4rger.not")}) {
        SCOPED_TRACE(filename::toNative(name).toHex().constData());
        const QString file = writeNote(name, "alt");
        const UnwritableFile unwritable(file);
        if (!unwritable.unwritable()) GTEST_SKIP() << "no file can be made unchangeable here";
        Document* document = manager.OpenDocumentFile(file);
        ASSERT_NE(document, nullptr);
        document->setModifiedFlag();
        documentUi.fileRequests.clear();
        frame.ExecuteCommand(ID_FILE_SAVE);
        ASSERT_EQ(documentUi.fileRequests.size(), 1);
        EXPECT_EQ(documentUi.fileRequests[0].mode, FileDialogRequest::Mode::Save);
        EXPECT_EQ(documentUi.fileRequests[0].fileName, file);
        document->setModifiedFlag(false);
        frame.MDIGetActive()->close();
    }
}

TEST_F(Documents, ClosingAModifiedDocumentAsksWhetherToSaveIt)
{
    struct Case {
        SaveChoice choice;
        bool closed;
        bool saved;
    };
    for (const Case& c : {Case{SaveChoice::Cancel, false, false}, Case{SaveChoice::No, true, false},
                          Case{SaveChoice::Yes, true, true}}) {
        const QString file = writeNote("offen.not", "vorher");
        auto* document = static_cast<NoteDocument*>(manager.OpenDocumentFile(file));
        ASSERT_TRUE(document);
        document->text = "nachher";
        document->setModifiedFlag();
        documentUi.saveChoice = c.choice;
        documentUi.saveQuestions.clear();
        frame.MDIGetActive()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        EXPECT_EQ(documentUi.saveQuestions, QStringList({"Änderungen in offen.not speichern?"}));
        EXPECT_EQ(frame.childFrames().isEmpty(), c.closed);
        NoteDocument reread;
        ASSERT_TRUE(reread.OnOpenDocument(file));
        EXPECT_EQ(reread.text, c.saved ? "nachher" : "vorher");
        for (ChildFrame* child : frame.childFrames()) child->closeWithoutAsking();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(Documents, TheCloseCommandAsksAndAnUnmodifiedDocumentClosesWithoutAQuestion)
{
    manager.OpenDocumentFile(writeNote("a.not", "a"));
    EXPECT_TRUE(frame.ExecuteCommand(ID_FILE_CLOSE));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.childFrames().isEmpty());
    EXPECT_TRUE(documentUi.saveQuestions.isEmpty());
    EXPECT_FALSE(frame.UpdateCommand(ID_FILE_SAVE).isEnabled());
}

TEST_F(Documents, SaveAllModifiedStopsAtTheFirstCancel)
{
    for (const char* name : {"a.not", "b.not"}) {
        manager.OpenDocumentFile(writeNote(name, name))->setModifiedFlag();
    }
    documentUi.saveChoice = SaveChoice::Cancel;
    EXPECT_FALSE(manager.SaveAllModified());
    EXPECT_EQ(documentUi.saveQuestions.size(), 1);
    documentUi.saveChoice = SaveChoice::No;
    EXPECT_TRUE(manager.SaveAllModified());
    manager.CloseAllDocuments();
    EXPECT_TRUE(frame.childFrames().isEmpty());
}

TEST_F(Documents, AFailedSaveKeepsTheDocumentOpenAndSaysWhy)
{
    Document* document = manager.OpenNewDocument(manager.templates()[0]);
    document->setModifiedFlag();
    documentUi.fileAnswers = {path("kein Ordner/x.NOT")};
    documentUi.saveChoice = SaveChoice::Yes;
    frame.MDIGetActive()->close();
    EXPECT_EQ(frame.childFrames().size(), 1);
    ASSERT_EQ(ui.messageTexts().size(), 1);
    EXPECT_TRUE(ui.messageTexts()[0].startsWith(Document::kSaveFailedMessage + "\n\n" + path("kein Ordner")));
}

TEST_F(Documents, SaveAsksBeforeOverwritingAFileAnotherProgramChangedAndNoKeepsThatFile)
{
    const auto link = [this](const QString& file) {
        QFile::remove(file);
        QFile::link(path("anderes.not"), file);
    };
    // Another program saves as this one does: a new file put in the old one's place.
    const auto replace = [this](const QString& file) {
        ::rename(QFile::encodeName(writeNote("neu.not", "fremd!")).constData(),
                 QFile::encodeName(file).constData());
    };
    // Rewritten in place with as many bytes as it held, a second after it was written.
    const auto rewriteSameSize = [this](const QString& file) {
        const qint64 size = QFileInfo(file).size();
        const QDateTime written = QFileInfo(file).lastModified();
        QFile rewritten(file);
        ASSERT_TRUE(rewritten.open(QIODevice::WriteOnly));
        rewritten.write(contentsOf(writeNote("neu.not", "fremd!")));
        rewritten.flush();
        rewritten.setFileTime(written.addSecs(1), QFileDevice::FileModificationTime);
        rewritten.close();
        EXPECT_EQ(QFileInfo(file).size(), size);
    };
    const auto save = [this](const QString&) { frame.ExecuteCommand(ID_FILE_SAVE); };
    struct Case {
        const char* change;
        std::function<void(const QString&file)> beforeOpening, afterOpening;
        int answer;
        bool asked;
        const char* fileHolds;           // read through the form's path
        const char* named = "form.not";  // by the question: the file that "Ja" writes into
    };
    const auto nothing = [](const QString&) {};
    const Case cases[] = {
        {"rewritten in place", nothing,
         [this](const QString& file) {
             writeFile(file, contentsOf(writeNote("neu.not", "fremd und länger")));
         },
         answer::kNo, true, "fremd und länger"},
        {"rewritten in place with as many bytes", nothing, rewriteSameSize, answer::kNo, true, "fremd!"},
        {"replaced by another file of the same size", nothing, replace, answer::kNo, true, "fremd!"},
        {"replaced by another file, overwritten", nothing, replace, answer::kYes, true, "Formular"},
        {"replaced by a link", nothing, link, answer::kNo, true, "anderes", "anderes.not"},
        {"replaced by a link, overwritten", nothing, link, answer::kYes, true, "Formular", "anderes.not"},
        {"a link when it was opened", link, nothing, answer::kNo, false, "Formular"},
        {"removed", nothing, [](const QString& file) { QFile::remove(file); }, answer::kNo, false,
         "Formular"},
        {"saved by this program", nothing, save, answer::kNo, false, "Formular"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        const QString file = writeNote("form.not", "vorher");
        writeNote("anderes.not", "anderes");
        c.beforeOpening(file);
        auto* document = static_cast<NoteDocument*>(manager.OpenDocumentFile(file));
        ASSERT_TRUE(document);
        c.afterOpening(file);
        document->text = "Formular";
        document->setModifiedFlag();
        ui.messageBoxes.clear();
        ui.messageBoxAnswer = c.answer;
        const bool linked = QFileInfo(file).isSymLink();

        frame.ExecuteCommand(ID_FILE_SAVE);
        EXPECT_EQ(QFileInfo(file).isSymLink(), linked);
        ASSERT_EQ(ui.messageBoxes.size(), c.asked ? 1 : 0);
        if (c.asked) {
            EXPECT_EQ(ui.messageBoxes[0].buttons, MessageButtons::YesNo);
            EXPECT_TRUE(ui.messageBoxes[0].text.startsWith("Die Datei " + path(c.named) + " wurde"))
                << ui.messageBoxes[0].text.toStdString();
        }
        NoteDocument reread;
        ASSERT_TRUE(reread.OnOpenDocument(file));
        EXPECT_EQ(reread.text, c.fileHolds);
        EXPECT_EQ(document->isModified(), c.fileHolds != QString("Formular"));
        manager.CloseAllDocuments();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QFile::remove(file);
    }
}

TEST(RecentFiles, KeepTheLatestEightEachOnce)
{
    RecentFileList list(8);
    for (int i = 1; i <= 9; ++i) list.Add(QString("/f/%1.fme").arg(i));
    EXPECT_EQ(list.entries().size(), 8);
    EXPECT_EQ(list.entries().first(), "/f/9.fme");
    EXPECT_EQ(list.entries().last(), "/f/2.fme");
    list.Add("/f/5.fme");
    EXPECT_EQ(list.entries().first(), "/f/5.fme");
    EXPECT_EQ(list.entries().size(), 8);
    EXPECT_EQ(list.entries().count("/f/5.fme"), 1);
    list.Remove(0);
    EXPECT_EQ(list.entries().first(), "/f/9.fme");
    list.setEntries({"", "/a", "/a", "/b&c"});
    EXPECT_EQ(list.entries(), QStringList({"/a", "/b&c"}));
    EXPECT_EQ(list.menuText(1), "&2 /b&&c");
}

TEST(FileDialogTypes, EveryNameEndsWithItsPatternsAndAllFilesMatchesNamesWithoutADot)
{
    const QList<FileFilter> filters{{"Alle Kalvenport Dateien", "*.fme;*.fmu"},
                                    {"EUR1 Form. (*.fme)", "*.fme"},
                                    {"Alle Dateien (*.*)", "*.*"}};
    EXPECT_EQ(QtDocumentUi::nameFilters(filters), QStringList({"Alle Kalvenport Dateien (*.fme *.fmu)",
                                                               "EUR1 Form. (*.fme)", "Alle Dateien (*)"}));
}

TEST_F(Documents, AFormOpenedBeforeTheMainWindowShowsStaysActiveWhenTheWindowIsActivated)
{
    auto* document = manager.OpenDocumentFile(writeNote("vorher.not", "Hallo"));
    ASSERT_TRUE(document);
    frame.showMaximized();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::qWait(20);
    ASSERT_NE(frame.MDIGetActive(), nullptr);
    EXPECT_EQ(frame.MDIGetActive(), manager.frameOf(*document));
}
