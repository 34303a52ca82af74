#pragma once

#include "platform/docview/DocTemplate.h"
#include "platform/docview/MdiFrame.h"
#include "platform/docview/RecentFileList.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <vector>

namespace platform {

class ChildFrame;

// The document templates of the program and the documents they made: opening a file with the template of
// its extension, new untitled documents, the save prompt, Save and Save As, and the recent-file list.
// Every document gets a child frame in the MDI frame with the view its template makes, and the view's
// OnInitialUpdate once the document is loaded.
class DocManager {
public:
    // The question before a modified document is closed; %1 is its path, or its title when it has none.
    static const QString kAskToSave;
    // The title of a Save As dialog.
    static const QString kSaveAsTitle;
    static const QString kAllFilesFilter;
    // The question before Save overwrites a file another program changed; %1 is the path of the file
    // overwritten.
    static const QString kAskToOverwriteChanged;

    explicit DocManager(RecentFileList& recentFiles) : m_recentFiles(recentFiles) {}

    // Templates are added before the first document is made; their order is the order of the list.
    void AddDocTemplate(DocTemplate docTemplate);
    std::vector<DocTemplate>& templates() { return m_templates; }
    const std::vector<DocTemplate>& templates() const { return m_templates; }

    void setFrame(MdiFrame* frame) { m_frame = frame; }
    MdiFrame* frame() const { return m_frame; }
    RecentFileList& recentFiles() { return m_recentFiles; }

    // Opens the file with the template of its extension (the first template for a foreign one); a file that
    // is open already only has its frame activated. Null, after a message, when the file cannot be read.
    Document* OpenDocumentFile(const QString& path);
    // A new untitled document of the template: "<document name><n>" with n counting per template.
    Document* OpenNewDocument(const DocTemplate& docTemplate);

    // Whether `document` may close: a modified one asks to save first (Yes saves, No does not, Cancel keeps
    // it open); true also after a save, false when the save failed or was cancelled.
    bool SaveModified(Document& document);
    bool SaveAllModified();
    // Closes every document without asking.
    void CloseAllDocuments();
    // Closes the document after asking to save it.
    void CloseDocument(Document& document);

    // Save: to the document's own file, or asking for a name when it has none or its file is read-only.
    bool DoFileSave(Document& document);
    // Save As with an empty path: asks for a name with the template's type and extension.
    bool DoSave(Document& document, const QString& path);

    // The folder a file dialog starts in: that of the document's file, else the user's documents folder.
    static QString DialogFolder(const Document* document);
    // The document being worked on; null when none.
    Document* activeDocument() const;

    QList<Document*> documents() const;
    ChildFrame* frameOf(const Document& document) const;

private:
    // The frame with the document and its view, not yet shown.
    ChildFrame* CreateFrame(const DocTemplate& docTemplate, std::unique_ptr<Document> document);
    void InitialUpdateFrame(ChildFrame& frame);
    void Discard(ChildFrame* frame);
    void SetDefaultTitle(Document& document, const DocTemplate& docTemplate);
    std::optional<QString> PromptSaveName(const Document& document);
    // Whether the document may be written to `path`: when another program changed that file since the
    // document read or wrote it, only if the person says so.
    bool MayOverwrite(const Document& document, const QString& path) const;
    void ShowMessage(const QString& text) const;

    RecentFileList& m_recentFiles;
    std::vector<DocTemplate> m_templates;
    QHash<int, int> m_untitledCounts;  // by template resource id
    QPointer<MdiFrame> m_frame;
};

}  // namespace platform
