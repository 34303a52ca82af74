#pragma once

#include "platform/docview/Document.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <span>

namespace platform {

// A kind of document: its resource id and its document string of seven fields separated by "\n" (window
// title, document name, file-new name, filter name, extension, file type id, file type name), and how to
// create a document of the kind.
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

    DocTemplate(int resourceId, const QString& documentString, Factory factory);

    int resourceId() const { return m_resourceId; }
    QString field(Field which) const;
    // Whether the file's extension is this kind's, without regard to case (".LZ1" takes "x.lz1").
    bool matchesFile(const QString& path) const;
    std::unique_ptr<Document> createDocument() const { return m_factory(); }

    // The template whose extension the file has; a file of a foreign extension goes to the first one.
    static const DocTemplate* findForFile(std::span<const DocTemplate> templates, const QString& path);

private:
    int m_resourceId;
    QStringList m_fields;
    Factory m_factory;
};

}  // namespace platform
