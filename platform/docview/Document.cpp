#include "platform/docview/Document.h"

#include "platform/command/MessageMap.h"
#include "platform/command/StandardCommands.h"
#include "platform/docview/DocManager.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    m_pathName = QFileInfo(pathName).absoluteFilePath();
    setTitle(QFileInfo(pathName).fileName());
}

void Document::clearPathName()
{
    m_pathName.clear();
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(kOpenFailedMessage);
    if (file.size() > kLargestFile) return fail(kUnexpectedFormatMessage);
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kLargestFile) return fail(kOpenFailedMessage);

    DeleteContents();
    try {
        Archive archive{QByteArrayView(bytes)};
        Serialize(archive);
    } catch (const ArchiveException& e) {
        return fail(e.cause() == ArchiveException::Cause::EndOfFile ? kUnexpectedFormatMessage
                                                                    : kOpenFailedMessage);
    }
    setPathName(path);
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return fail(kSaveFailedMessage);
    }
    setModifiedFlag(false);
    return true;
}

}  // namespace platform
