#include "platform/docview/MdiFrame.h"

#include "platform/docview/ChildFrame.h"
#include "platform/docview/TabCloseButton.h"
#include "platform/docview/View.h"

#include <QIcon>
#include <QMdiArea>
#include <QStyle>
#include <QTabBar>

namespace platform {

MdiFrame::MdiFrame(QWidget* parent) : QMainWindow(parent), m_mdiArea(new QMdiArea(this))
{
    m_mdiArea->setViewMode(QMdiArea::TabbedView);
    // Only the active tab gets a close button, our own: the MDI area's would sit on every tab.
    m_mdiArea->setTabsClosable(false);
    m_mdiArea->setTabsMovable(true);
    m_mdiArea->setDocumentMode(true);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MdiFrame::noteActivation);
    if (QTabBar* tabs = tabBar()) connect(tabs, &QTabBar::currentChanged, this, &MdiFrame::placeCloseButton);
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
    // A tab names its document without an icon: with an empty icon of its own the frame no longer shows
    // the main window's.
    frame->setWindowIcon(QIcon());
    m_mdiArea->addSubWindow(frame);
    connect(frame, &QObject::destroyed, this, &MdiFrame::noteActivation, Qt::QueuedConnection);
    // As a tab the frame fills the area, also when it comes before the main window is shown.
    frame->showMaximized();
    if (QTabBar* tabs = tabBar()) tabs->setExpanding(false);
    MDIActivate(frame);
}

QTabBar* MdiFrame::tabBar() const
{
    return m_mdiArea->findChild<QTabBar*>();
}

void MdiFrame::showActiveTab()
{
    // After tabs were moved, the MDI area may activate another form than the tab it marks as current when
    // a form closes; the marked tab is always the form being worked on.
    QTabBar* tabs = tabBar();
    const int index = m_mdiArea->subWindowList(QMdiArea::CreationOrder).indexOf(MDIGetActive());
    if (tabs && index >= 0 && index != tabs->currentIndex()) tabs->setCurrentIndex(index);
}

void MdiFrame::placeCloseButton()
{
    QTabBar* tabs = tabBar();
    if (!tabs) return;
    const auto side = static_cast<QTabBar::ButtonPosition>(
        tabs->style()->styleHint(QStyle::SH_TabBar_CloseButtonPosition, nullptr, tabs));
    const int current = tabs->currentIndex();
    for (int index = 0; index < tabs->count(); ++index) {
        QWidget* button = tabs->tabButton(index, side);
        if (index == current || !button) continue;
        tabs->setTabButton(index, side, nullptr);
        button->deleteLater();
    }
    if (current < 0 || tabs->tabButton(current, side)) return;
    auto* button = new TabCloseButton(tabs);
    connect(button, &QAbstractButton::clicked, this, [this, tabs, side, button] {
        // The tab may have moved since the button was put on it; the MDI area keeps its windows in tab order.
        for (int index = 0; index < tabs->count(); ++index) {
            if (tabs->tabButton(index, side) != button) continue;
            if (QMdiSubWindow* window = m_mdiArea->subWindowList(QMdiArea::CreationOrder).value(index))
                window->close();
        }
    });
    tabs->setTabButton(current, side, button);
}

void MdiFrame::noteActivation()
{
    showActiveTab();
    // Closing the current tab does not always report a new current tab; the activation that follows does.
    placeCloseButton();
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
