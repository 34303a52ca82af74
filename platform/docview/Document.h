#pragma once

#include "platform/archive/Archive.h"
#include "platform/command/CommandTarget.h"
#include "platform/file/WholeFile.h"

#include <QObject>
#include <QString>

namespace platform {

class DocManager;
class DocTemplate;

// A document with its modified flag, path and title, written and read whole through Serialize. Opening
// reads the file into memory first; saving writes a new file beside the old one and replaces it only when
// everything was written, so a failed save keeps the old file and the modified flag.
//
// A document that a DocManager opened or created handles the commands Close, Save and Save As through it.
class Document : public QObject, public CommandTarget {
    Q_OBJECT

public:
    // A form file is a few kilobytes; anything this large is not one and is not read into memory.
    static constexpr qint64 kLargestFile = 16 * 1024 * 1024;

    static const QString kUnexpectedFormatMessage;  // the file ends early or its counts cannot be true
    static const QString kOpenFailedMessage;
    static const QString kSaveFailedMessage;

    ~Document() override = default;

    bool isModified() const { return m_modified; }
    void setModifiedFlag(bool modified = true);

    DocManager* docManager() const { return m_docManager; }
    const DocTemplate* docTemplate() const { return m_docTemplate; }
    void setOwner(DocManager* docManager, const DocTemplate* docTemplate);

    // Empty for an untitled document: Save then asks for a name.
    QString pathName() const { return m_pathName; }
    // Sets the path and takes the file name as the title.
    void setPathName(const QString& pathName);
    void clearPathName();
    QString title() const { return m_title; }
    void setTitle(const QString& title);

    // The message of the last failed open or save, for the caller to show.
    QString lastError() const { return m_lastError; }

    // Whether the file at pathName() is no longer the one this document last read or wrote: another program
    // rewrote it or put another file or a link in its place. A file that is gone, or that is no file any
    // more, is not: saving puts the first back and refuses the second.
    bool fileChangedOnDisk() const;

    // Store or load the whole document; loading failures are ArchiveExceptions.
    virtual void Serialize(Archive& archive) = 0;
    // Puts the contents of a new document in place; called before a new document is set up and before a
    // file is loaded.
    virtual void DeleteContents() {}
    virtual bool OnNewDocument();
    // Reads the file and takes its path; on failure lastError() says why and the document's contents are
    // undefined: the caller discards it.
    virtual bool OnOpenDocument(const QString& path);
    virtual bool OnSaveDocument(const QString& path);
    // Whether the document may close: a modified one asks first whether to save. True without a manager.
    virtual bool SaveModified();

    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

protected:
    const MessageMapBase* GetMessageMap() const override;

signals:
    void modifiedChanged(bool modified);
    void titleChanged(const QString& title);

private:
    bool fail(const QString& message);

    DocManager* m_docManager = nullptr;
    const DocTemplate* m_docTemplate = nullptr;
    bool m_modified = false;
    QString m_pathName;
    QString m_title;
    QString m_lastError;
    wholefile::Stamp m_fileStamp;  // of the file last read or written
};

}  // namespace platform
