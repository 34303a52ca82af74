#include "platform/docview/DocManager.h"

#include "platform/dialog/UiService.h"
#include "platform/docview/ChildFrame.h"
#include "platform/docview/DocumentUi.h"
#include "platform/docview/MdiFrame.h"
#include "platform/docview/View.h"
#include "platform/file/FileName.h"
#include "platform/file/WholeFile.h"
#include "platform/shell/SystemInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace platform {

const QString DocManager::kAskToSave = QStringLiteral("Änderungen in %1 speichern?");
const QString DocManager::kSaveAsTitle = QStringLiteral("Speichern unter");
const QString DocManager::kAllFilesFilter = QStringLiteral("Alle Dateien (*.*)");
const QString DocManager::kAskToOverwriteChanged = QStringLiteral(
    "Die Datei %1 wurde seit dem Öffnen von einem anderen Programm geändert.\nTrotzdem überschreiben?\n\n"
    "Mit \"Nein\" bleibt sie, wie sie ist; mit \"Speichern unter...\" lässt sich das Formular unter einem "
    "anderen Namen speichern.");

void DocManager::AddDocTemplate(DocTemplate docTemplate)
{
    m_templates.push_back(std::move(docTemplate));
}

QList<Document*> DocManager::documents() const
{
    QList<Document*> result;
    if (!m_frame) return result;
    for (ChildFrame* frame : m_frame->childFrames()) {
        if (Document* document = frame->GetActiveDocument()) result.append(document);
    }
    return result;
}

Document* DocManager::activeDocument() const
{
    const ChildFrame* active = m_frame ? m_frame->MDIGetActive() : nullptr;
    return active ? active->GetActiveDocument() : nullptr;
}

QString DocManager::DialogFolder(const Document* document)
{
    if (document && !document->pathName().isEmpty()) return QFileInfo(document->pathName()).absolutePath();
    const QString documents = systeminfo::documentsFolder().value_or(QString());
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

ChildFrame* DocManager::frameOf(const Document& document) const
{
    if (!m_frame) return nullptr;
    for (ChildFrame* frame : m_frame->childFrames()) {
        if (frame->GetActiveDocument() == &document) return frame;
    }
    return nullptr;
}

Document* DocManager::OpenDocumentFile(const QString& path)
{
    const DocTemplate* docTemplate = DocTemplate::findForFile(m_templates, path);
    if (!docTemplate || !m_frame) return nullptr;

    const QString canonical = filename::canonical(path);
    for (Document* open : documents()) {
        if (!canonical.isEmpty() && filename::canonical(open->pathName()) == canonical) {
            m_frame->MDIActivate(frameOf(*open));
            return open;
        }
    }

    ChildFrame* frame = CreateFrame(*docTemplate, docTemplate->createDocument());
    Document& document = *frame->GetActiveDocument();
    if (!document.OnOpenDocument(path)) {
        const QString message = document.lastError();
        Discard(frame);
        ShowMessage(message);
        return nullptr;
    }
    // A file the document refused opens untitled: it is no recent file and Save asks for a new name.
    if (document.pathName().isEmpty()) {
        SetDefaultTitle(document, *docTemplate);
    } else {
        m_recentFiles.Add(document.pathName());
    }
    InitialUpdateFrame(*frame);
    return &document;
}

Document* DocManager::OpenNewDocument(const DocTemplate& docTemplate)
{
    if (!m_frame) return nullptr;
    ChildFrame* frame = CreateFrame(docTemplate, docTemplate.createDocument());
    Document& document = *frame->GetActiveDocument();
    SetDefaultTitle(document, docTemplate);
    if (!document.OnNewDocument()) {
        Discard(frame);
        return nullptr;
    }
    InitialUpdateFrame(*frame);
    return &document;
}

ChildFrame* DocManager::CreateFrame(const DocTemplate& docTemplate, std::unique_ptr<Document> document)
{
    document->setOwner(this, &docTemplate);
    ChildFrame* frame = docTemplate.createFrame();
    View* view = docTemplate.createView(*document);
    frame->setContents(std::move(document), view);
    return frame;
}

void DocManager::InitialUpdateFrame(ChildFrame& frame)
{
    m_frame->addChildFrame(&frame);
    if (View* view = frame.GetActiveView()) {
        view->OnInitialUpdate();
        view->setFocus();
    }
}

void DocManager::Discard(ChildFrame* frame)
{
    delete frame;
}

void DocManager::SetDefaultTitle(Document& document, const DocTemplate& docTemplate)
{
    int& count = m_untitledCounts[docTemplate.resourceId()];
    ++count;
    document.setTitle(docTemplate.field(DocTemplate::Field::DocName) + QString::number(count));
}

bool DocManager::SaveModified(Document& document)
{
    if (!document.isModified()) return true;
    // The question names the document as its tab does, by its title, never by a long path.
    switch (DocumentUi::instance().askSaveChanges(QGuiApplication::applicationDisplayName(),
                                                  kAskToSave.arg(document.title()))) {
        case SaveChoice::Yes:
            return DoFileSave(document);
        case SaveChoice::No:
            return true;
        case SaveChoice::Cancel:
            break;
    }
    return false;
}

bool DocManager::SaveAllModified()
{
    for (Document* document : documents()) {
        if (!SaveModified(*document)) return false;
    }
    return true;
}

void DocManager::CloseAllDocuments()
{
    if (!m_frame) return;
    for (ChildFrame* frame : m_frame->childFrames()) frame->closeWithoutAsking();
}

void DocManager::CloseDocument(Document& document)
{
    ChildFrame* frame = frameOf(document);
    if (!frame || !SaveModified(document)) return;
    frame->closeWithoutAsking();
}

bool DocManager::DoFileSave(Document& document)
{
    const bool mustAsk = document.pathName().isEmpty() || wholefile::isReadOnly(document.pathName());
    return DoSave(document, mustAsk ? QString() : document.pathName());
}

std::optional<QString> DocManager::PromptSaveName(const Document& document)
{
    const DocTemplate* docTemplate = document.docTemplate();
    const QString extension = docTemplate ? docTemplate->field(DocTemplate::Field::FilterExt) : QString();
    QString name = document.pathName();
    if (name.isEmpty()) {
        // The title of an untitled document is the proposed name; what cannot stand in a file name ends it.
        name = document.title();
        const qsizetype bad = name.indexOf(u'/');
        if (bad >= 0) name.truncate(bad);
        name = DialogFolder(&document) + u'/' + name + extension;
    }
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = kSaveAsTitle;
    if (docTemplate && !extension.isEmpty()) {
        request.filters.append({docTemplate->field(DocTemplate::Field::FilterName), u'*' + extension});
        request.defaultSuffix = extension.mid(1);
    }
    request.filters.append({kAllFilesFilter, QStringLiteral("*.*")});
    request.fileName = name;
    request.parent = m_frame;
    return DocumentUi::instance().fileName(request);
}

bool DocManager::DoSave(Document& document, const QString& path)
{
    QString target = path;
    if (target.isEmpty()) {
        const std::optional<QString> chosen = PromptSaveName(document);
        if (!chosen) return false;
        target = *chosen;
    }
    if (!MayOverwrite(document, target)) return false;
    if (!document.OnSaveDocument(target)) {
        ShowMessage(document.lastError());
        return false;
    }
    document.setPathName(target);
    m_recentFiles.Add(document.pathName());
    return true;
}

bool DocManager::MayOverwrite(const Document& document, const QString& path) const
{
    if (filename::absolute(path) != document.pathName() || !document.fileChangedOnDisk()) return true;
    // Another program may have put a link in the file's place: "Ja" then writes into the link's target,
    // and that is the file the question names.
    const MessageBoxRequest question{QGuiApplication::applicationDisplayName(),
                                     kAskToOverwriteChanged.arg(wholefile::fileBehind(path)),
                                     MessageButtons::YesNo, MessageIcon::Warning};
    return UiService::instance().messageBox(question) == answer::kYes;
}

void DocManager::ShowMessage(const QString& text) const
{
    UiService::instance().messageBox({QGuiApplication::applicationDisplayName(), text});
}

}  // namespace platform
