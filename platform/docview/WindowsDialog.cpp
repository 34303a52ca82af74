#include "platform/docview/WindowsDialog.h"

#include "platform/docview/ChildFrame.h"
#include "platform/docview/Document.h"
#include "platform/docview/MdiFrame.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {

WindowsDialog::WindowsDialog(MdiFrame& frame) : QDialog(&frame), m_frame(frame), m_list(new QListWidget)
{
    setWindowTitle(QStringLiteral("Fenster"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto* buttons = new QVBoxLayout;
    const auto addButton = [&](const QString& text, void (WindowsDialog::*slot)()) {
        auto* button = new QPushButton(text);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
        return button;
    };
    addButton(QStringLiteral("&Aktivieren"), &WindowsDialog::activateSelected);
    QPushButton* ok = addButton(QStringLiteral("OK"), &WindowsDialog::activateSelected);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setDefault(true);
    addButton(QStringLiteral("&Speichern"), &WindowsDialog::saveSelected);
    addButton(QStringLiteral("&Fenster schließen"), &WindowsDialog::closeSelected);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        activateSelected();
        accept();
    });
    fill();
}

void WindowsDialog::fill()
{
    m_list->clear();
    for (ChildFrame* frame : m_frame.childFrames()) {
        auto* item = new QListWidgetItem(frame->windowTitle(), m_list);
        item->setData(Qt::UserRole, QVariant::fromValue<QObject*>(frame));
        item->setSelected(frame == m_frame.MDIGetActive());
    }
}

QList<ChildFrame*> WindowsDialog::selectedFrames() const
{
    QList<ChildFrame*> frames;
    for (const QListWidgetItem* item : m_list->selectedItems()) {
        if (auto* frame = qobject_cast<ChildFrame*>(item->data(Qt::UserRole).value<QObject*>()))
            frames.append(frame);
    }
    return frames;
}

void WindowsDialog::activateSelected()
{
    const QList<ChildFrame*> frames = selectedFrames();
    if (!frames.isEmpty()) m_frame.MDIActivate(frames.constFirst());
}

void WindowsDialog::saveSelected()
{
    for (ChildFrame* frame : selectedFrames()) {
        if (Document* document = frame->GetActiveDocument()) document->OnFileSave();
    }
    fill();
}

void WindowsDialog::closeSelected()
{
    QList<QPointer<ChildFrame>> frames;
    for (ChildFrame* frame : selectedFrames()) frames.append(frame);
    for (const QPointer<ChildFrame>& frame : frames) {
        if (frame) frame->close();
    }
    fill();
}

}  // namespace platform
