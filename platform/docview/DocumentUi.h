#pragma once

#include <QList>
#include <QString>
#include <optional>

class QWidget;

namespace platform {

// One entry of a file dialog's type list: the name shown and its patterns separated by ";" ("*.fme;*.fma").
struct FileFilter {
    QString name;
    QString patterns;

    bool operator==(const FileFilter&) const = default;
};

struct FileDialogRequest {
    enum class Mode { Open, Save };

    Mode mode = Mode::Open;
    QString title;
    QList<FileFilter> filters;
    int initialFilter = 0;  // index into filters
    QString fileName;       // proposed name or folder
    // Added to a name typed without an extension when saving, without its dot ("fme"); empty for none.
    QString defaultSuffix;
    QWidget* parent = nullptr;
};

enum class SaveChoice { Yes, No, Cancel };

// The questions of the document framework: which file to open or save to, and whether to save the changes
// of a document that is closed. The program shows real dialogs; a test puts its own answers in place.
class DocumentUi {
public:
    virtual ~DocumentUi() = default;

    // The chosen file; nothing when the dialog was cancelled.
    virtual std::optional<QString> fileName(const FileDialogRequest& request) = 0;
    // `question` names the document ("Änderungen in Euform1 speichern?").
    virtual SaveChoice askSaveChanges(const QString& title, const QString& question) = 0;

    static DocumentUi& instance();
    // Null goes back to the real dialogs. The service must outlive its use.
    static void setInstance(DocumentUi* service);
};

}  // namespace platform
