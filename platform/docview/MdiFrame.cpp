#include "platform/docview/MdiFrame.h"

#include "platform/docview/ChildFrame.h"
#include "platform/docview/View.h"

#include <QMdiArea>
#include <QTabBar>

namespace platform {

MdiFrame::MdiFrame(QWidget* parent) : QMainWindow(parent), m_mdiArea(new QMdiArea(this))
{
    m_mdiArea->setViewMode(QMdiArea::TabbedView);
    m_mdiArea->setTabsClosable(true);
    m_mdiArea->setTabsMovable(true);
    m_mdiArea->setDocumentMode(true);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MdiFrame::noteActivation);
}

MdiFrame::~MdiFrame()
{
    // The child frames go with the MDI area after this frame is gone: nothing they report may reach it.
    disconnect(m_mdiArea, nullptr, this, nullptr);
}

ChildFrame* MdiFrame::MDIGetActive() const
{
    auto* frame = qobject_cast<ChildFrame*>(m_mdiArea->currentSubWindow());
    // The MDI area forgets a child frame that was activated before this window was shown once the window
    // becomes active; the document last worked on stays the active one, so that its commands stay on.
    ChildFrame* lastActive = m_lastActive.data();
    if (!frame && lastActive && lastActive->isVisible()) frame = lastActive;
    return frame && !frame->isClosed() ? frame : nullptr;
}

QList<ChildFrame*> MdiFrame::childFrames() const
{
    QList<ChildFrame*> frames;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        auto* frame = qobject_cast<ChildFrame*>(window);
        if (frame && !frame->isClosed()) frames.append(frame);
    }
    return frames;
}

void MdiFrame::MDIActivate(ChildFrame* frame)
{
    m_mdiArea->setActiveSubWindow(frame);
    noteActivation();
}

void MdiFrame::addChildFrame(ChildFrame* frame)
{
    m_mdiArea->addSubWindow(frame);
    connect(frame, &QObject::destroyed, this, &MdiFrame::noteActivation, Qt::QueuedConnection);
    // As a tab the frame fills the area, also when it comes before the main window is shown.
    frame->showMaximized();
    if (QTabBar* tabs = m_mdiArea->findChild<QTabBar*>()) tabs->setExpanding(false);
    MDIActivate(frame);
}

void MdiFrame::noteActivation()
{
    // The MDI area also reports "none active" while another window has the focus; only a change of the
    // document being worked on counts.
    ChildFrame* active = MDIGetActive();
    if (m_activeKnown && active == m_lastActive && (active != nullptr) == m_reportedFrame) return;
    ChildFrame* lastActive = m_lastActive.data();
    if (View* left = lastActive ? lastActive->GetActiveView() : nullptr) left->OnActivateView(false);
    m_activeKnown = true;
    m_lastActive = active;
    m_reportedFrame = active != nullptr;
    if (View* view = active ? active->GetActiveView() : nullptr) view->OnActivateView(true);
    emit activeChildChanged(active);
}

bool MdiFrame::OnCmdMsg(int id, CmdMsg msg, CmdUI* ui)
{
    if (ChildFrame* active = MDIGetActive(); active && active->OnCmdMsg(id, msg, ui)) return true;
    if (CommandTarget::OnCmdMsg(id, msg, ui)) return true;
    return m_application && m_application->OnCmdMsg(id, msg, ui);
}

}  // namespace platform
