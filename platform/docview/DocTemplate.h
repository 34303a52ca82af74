#pragma once

#include "platform/docview/Document.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <span>

namespace platform {

class ChildFrame;
class View;

// A kind of document: its resource id (which also names the menu shown while such a document is active) and
// its document string of seven fields separated by "\n" (window title, document name, file-new name, filter
// name, extension, file type id, file type name), and how to create a document of the kind, the view that
// shows it and the child frame that holds the view.
class DocTemplate {
public:
    enum class Field {
        WindowTitle,
        DocName,
        FileNewName,
        FilterName,
        FilterExt,
        RegFileTypeId,
        RegFileTypeName
    };

    using Factory = std::function<std::unique_ptr<Document>()>;
    // The view of a document; it becomes a child of the frame that shows it.
    using ViewFactory = std::function<View*(Document&)>;
    using FrameFactory = std::function<ChildFrame*()>;

    DocTemplate(int resourceId, const QString& documentString, Factory factory, ViewFactory viewFactory = {});

    int resourceId() const { return m_resourceId; }
    QString field(Field which) const;
    // Whether the file's extension is this kind's, without regard to case (".LZ1" takes "x.lz1").
    bool matchesFile(const QString& path) const;
    std::unique_ptr<Document> createDocument() const { return m_factory(); }
    // Null for a kind without a view: its frame then shows an empty area.
    View* createView(Document& document) const { return m_viewFactory ? m_viewFactory(document) : nullptr; }
    // A plain ChildFrame unless a frame factory was given.
    ChildFrame* createFrame() const;
    void setViewFactory(ViewFactory viewFactory) { m_viewFactory = std::move(viewFactory); }
    void setFrameFactory(FrameFactory frameFactory) { m_frameFactory = std::move(frameFactory); }

    // The template whose extension the file has; a file of a foreign extension goes to the first one.
    static const DocTemplate* findForFile(std::span<const DocTemplate> templates, const QString& path);

private:
    int m_resourceId;
    QStringList m_fields;
    Factory m_factory;
    ViewFactory m_viewFactory;
    FrameFactory m_frameFactory;
};

}  // namespace platform
