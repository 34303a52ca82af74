#include "platform/docview/Document.h"

#include "platform/command/MessageMap.h"
#include "platform/command/StandardCommands.h"
#include "platform/docview/DocManager.h"
#include "platform/file/FileName.h"
#include "platform/file/SystemError.h"
#include "platform/file/WholeFile.h"

#include <QFileInfo>
#include <cerrno>

namespace platform {

const QString Document::kUnexpectedFormatMessage = QStringLiteral("Unerwartetes Dateiformat.");
const QString Document::kOpenFailedMessage = QStringLiteral("Fehler beim Öffnen des Dokuments.");
const QString Document::kSaveFailedMessage = QStringLiteral("Fehler beim Speichern des Dokuments.");

const MessageMapBase* Document::GetMessageMap() const
{
    using Map = MessageMap<Document>;
    static const Map map(nullptr, {
                                      Map::command(ID_FILE_CLOSE, &Document::OnFileClose),
                                      Map::command(ID_FILE_SAVE, &Document::OnFileSave),
                                      Map::command(ID_FILE_SAVE_AS, &Document::OnFileSaveAs),
                                  });
    return &map;
}

void Document::setOwner(DocManager* docManager, const DocTemplate* docTemplate)
{
    m_docManager = docManager;
    m_docTemplate = docTemplate;
}

bool Document::SaveModified()
{
    return !m_docManager || m_docManager->SaveModified(*this);
}

void Document::OnFileClose()
{
    if (m_docManager) m_docManager->CloseDocument(*this);
}

void Document::OnFileSave()
{
    if (m_docManager) m_docManager->DoFileSave(*this);
}

void Document::OnFileSaveAs()
{
    if (m_docManager) m_docManager->DoSave(*this, {});
}

void Document::setModifiedFlag(bool modified)
{
    if (m_modified == modified) return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void Document::setPathName(const QString& pathName)
{
    m_pathName = filename::absolute(pathName);
    setTitle(QFileInfo(m_pathName).fileName());
}

void Document::clearPathName()
{
    m_pathName.clear();
}

bool Document::fileChangedOnDisk() const
{
    if (m_pathName.isEmpty()) return false;
    const wholefile::Stamp now = wholefile::stampOf(m_pathName);
    return now.kind == wholefile::Stamp::Kind::Regular && !m_fileStamp.unchangedIn(now);
}

void Document::setTitle(const QString& title)
{
    if (m_title == title) return;
    m_title = title;
    emit titleChanged(title);
}

bool Document::fail(const QString& message)
{
    m_lastError = message;
    return false;
}

bool Document::OnNewDocument()
{
    DeleteContents();
    clearPathName();
    setModifiedFlag(false);
    return true;
}

bool Document::OnOpenDocument(const QString& path)
{
    m_lastError.clear();
    const wholefile::ReadResult file = wholefile::read(path, kLargestFile);
    if (file.status == wholefile::ReadResult::Status::TooLarge) return fail(kUnexpectedFormatMessage);
    if (file.status == wholefile::ReadResult::Status::Missing)
        return fail(kOpenFailedMessage + QStringLiteral("\n\n") + systemErrorText(path, ENOENT));
    if (file.status != wholefile::ReadResult::Status::Read)
        return fail(kOpenFailedMessage + QStringLiteral("\n\n") + file.error);
    const QByteArray& bytes = file.bytes;

    DeleteContents();
    try {
        Archive archive{QByteArrayView(bytes)};
        Serialize(archive);
    } catch (const ArchiveException& e) {
        return fail(e.cause() == ArchiveException::Cause::EndOfFile ? kUnexpectedFormatMessage
                                                                    : kOpenFailedMessage);
    }
    setPathName(path);
    m_fileStamp = file.stamp;
    setModifiedFlag(false);
    return true;
}

bool Document::OnSaveDocument(const QString& path)
{
    m_lastError.clear();
    QByteArray bytes;
    try {
        Archive archive(bytes);
        Serialize(archive);
    } catch (const ArchiveException&) {
        return fail(kSaveFailedMessage);
    }
    const wholefile::WriteResult written = wholefile::replace(path, bytes);
    if (!written.ok()) return fail(kSaveFailedMessage + QStringLiteral("\n\n") + written.error);
    m_fileStamp = written.stamp;
    setModifiedFlag(false);
    return true;
}

}  // namespace platform
