#pragma once

#include <QList>
#include <QString>

class QDialog;

namespace platform {

enum class MessageIcon { None, Warning, Stop };
enum class MessageButtons { Ok, OkCancel, YesNo };

// The answers of a message box, with the numbers Windows gives them (IDOK, IDCANCEL, IDYES, IDNO), so that
// they never clash with the ids of a task dialog's command links.
namespace answer {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace answer

struct MessageBoxRequest {
    QString title;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

struct CommandLink {
    int id;
    QString text;
};

struct TaskDialogRequest {
    QString title;
    QString mainInstruction;
    QString content;
    MessageIcon icon = MessageIcon::None;
    QList<CommandLink> commandLinks;
    int defaultId = 0;
};

// Everything that asks the person at the screen a question goes through here. The program shows real
// dialogs over the active window; a test puts its own service in place and answers without any window.
class UiService {
public:
    virtual ~UiService() = default;

    // The answer's id (answer::kOk, answer::kCancel, answer::kYes, answer::kNo).
    virtual int messageBox(const MessageBoxRequest& request) = 0;
    // Whether task dialogs can be shown; callers fall back to a message box when not.
    virtual bool hasTaskDialogs() const = 0;
    // The id of the command link chosen, answer::kCancel when the dialog was closed without one.
    virtual int taskDialog(const TaskDialogRequest& request) = 0;
    // Runs one of the program's own dialogs modally and answers the result it ended with. A test puts its
    // own service in place that shows the dialog without waiting and works it as a person would.
    virtual int runDialog(QDialog& dialog);

    static UiService& instance();
    // Null goes back to the real dialogs. The service must outlive its use.
    static void setInstance(UiService* service);
};

}  // namespace platform
