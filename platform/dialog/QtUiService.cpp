#include "platform/dialog/QtUiService.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// A message names files, printers and texts from the settings: a "<" among them is shown, never taken for
// markup.
void showsPlainText(QMessageBox& box)
{
    box.setTextFormat(Qt::PlainText);
    for (QLabel* label : box.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
}

}  // namespace

int QtUiService::messageBox(const MessageBoxRequest& request)
{
    const QMessageBox::StandardButtons buttons =
        request.buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok;
    QMessageBox box(qtIcon(request.icon), request.title, request.text, buttons, QApplication::activeWindow());
    showsPlainText(box);
    return box.exec() == QMessageBox::Ok ? answer::kOk : answer::kCancel;
}

int QtUiService::taskDialog(const TaskDialogRequest& request)
{
    QMessageBox box(qtIcon(request.icon), request.title, request.mainInstruction, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setInformativeText(request.content);
    showsPlainText(box);
    QList<std::pair<QAbstractButton*, int>> links;
    for (const CommandLink& link : request.commandLinks) {
        QPushButton* button = box.addButton(link.text, QMessageBox::AcceptRole);
        if (link.id == request.defaultId) box.setDefaultButton(button);
        links.append({button, link.id});
    }
    box.exec();
    for (const auto& [button, id] : links) {
        if (box.clickedButton() == button) return id;
    }
    return answer::kCancel;
}

}  // namespace platform
