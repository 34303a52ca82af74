#include "platform/docview/ChildFrame.h"

#include "platform/docview/Document.h"
#include "platform/docview/View.h"

#include <QCloseEvent>

namespace platform {

ChildFrame::ChildFrame(QWidget* parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

ChildFrame::~ChildFrame()
{
    // The view may still speak to its document while it goes, so it goes first.
    delete widget();
    m_document.reset();
}

void ChildFrame::setContents(std::unique_ptr<Document> document, View* view)
{
    m_document = std::move(document);
    m_view = view;
    setWidget(view ? static_cast<QWidget*>(view) : new QWidget);
    if (m_view) m_view->setDocument(m_document.get());
    setWindowTitle(m_document->title());
    connect(m_document.get(), &Document::titleChanged, this, &ChildFrame::setWindowTitle);
}

const DocTemplate* ChildFrame::docTemplate() const
{
    return m_document ? m_document->docTemplate() : nullptr;
}

void ChildFrame::closeWithoutAsking()
{
    m_askBeforeClosing = false;
    close();
}

bool ChildFrame::OnCmdMsg(int id, CmdMsg msg, CmdUI* ui)
{
    if (m_view && m_view->OnCmdMsg(id, msg, ui)) return true;
    if (m_document && m_document->OnCmdMsg(id, msg, ui)) return true;
    return CommandTarget::OnCmdMsg(id, msg, ui);
}

void ChildFrame::closeEvent(QCloseEvent* event)
{
    if (m_askBeforeClosing && m_document && !m_document->SaveModified()) {
        event->ignore();
        return;
    }
    // Closed already while the MDI area looks for the next frame to activate.
    m_closed = true;
    QMdiSubWindow::closeEvent(event);
    m_closed = event->isAccepted();
}

}  // namespace platform
