#pragma once

#include "platform/docview/DocumentUi.h"

#include <QStringList>

namespace platform {

// The document framework's questions as Qt dialogs over the active window.
class QtDocumentUi : public DocumentUi {
public:
    std::optional<QString> fileName(const FileDialogRequest& request) override;
    SaveChoice askSaveChanges(const QString& title, const QString& question) override;

    // The type list as the Qt file dialog reads it: every name ends with its patterns in parentheses,
    // separated by blanks. On this system "*" matches every file, "*.*" only names with a dot.
    static QStringList nameFilters(const QList<FileFilter>& filters);
};

}  // namespace platform
