#include "platform/dialog/QtUiService.h"

#include <QApplication>
#include <QGridLayout>
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

// What a window manager puts beside the title: the window's icon and its buttons, with their spacing.
constexpr int kTitleBarButtonsRoom = 150;

// The window manager cuts a title that does not fit beside its buttons, and a short message makes a narrow
// box: the box is made as wide as its title needs.
void keepsTitleWhole(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarButtonsRoom;
    grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons)
{
    switch (buttons) {
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

int answerOf(int button)
{
    switch (button) {
        case QMessageBox::Ok:
            return answer::kOk;
        case QMessageBox::Yes:
            return answer::kYes;
        case QMessageBox::No:
            return answer::kNo;
        default:
            return answer::kCancel;
    }
}

}  // namespace

int QtUiService::messageBox(const MessageBoxRequest& request)
{
    QMessageBox box(qtIcon(request.icon), request.title, request.text, qtButtons(request.buttons),
                    QApplication::activeWindow());
    // A yes-or-no question asks before something is done that cannot be undone: Enter alone does not do it.
    if (request.buttons == MessageButtons::YesNo) box.setDefaultButton(QMessageBox::No);
    showsPlainText(box);
    keepsTitleWhole(box);
    return answerOf(box.exec());
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
    keepsTitleWhole(box);
    box.exec();
    for (const auto& [button, id] : links) {
        if (box.clickedButton() == button) return id;
    }
    return answer::kCancel;
}

}  // namespace platform
