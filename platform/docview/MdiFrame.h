#pragma once

#include "platform/command/CommandTarget.h"

#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QTabBar;

namespace platform {

class ChildFrame;

// The main window of a program with several documents: the child frames sit as tabs in an MDI area, named
// without icons, the active one with a close button. A
// command offered to the frame goes along the route active view, its document, its child frame, this
// frame's own handlers and last the application.
class MdiFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT

public:
    explicit MdiFrame(QWidget* parent = nullptr);
    ~MdiFrame() override;

    QMdiArea* mdiArea() const { return m_mdiArea; }
    // The child frame of the document being worked on, also while a dialog has the focus; null when none.
    ChildFrame* MDIGetActive() const;
    QList<ChildFrame*> childFrames() const;
    void MDIActivate(ChildFrame* frame);
    // Puts a new child frame into the MDI area, shown and active.
    void addChildFrame(ChildFrame* frame);

    void setApplicationTarget(CommandTarget* application) { m_application = application; }

    bool OnCmdMsg(int id, CmdMsg msg, CmdUI* ui) override;

signals:
    // The active child frame changed; null when the last one closed. Its view heard of it first.
    void activeChildChanged(platform::ChildFrame* frame);

private:
    void noteActivation();
    QTabBar* tabBar() const;
    void showActiveTab();
    // Puts the close button on the current tab and takes it from every other.
    void placeCloseButton();

    QMdiArea* m_mdiArea;
    CommandTarget* m_application = nullptr;
    QPointer<ChildFrame> m_lastActive;
    // Whether the last report named a frame: once that frame is deleted, m_lastActive is null as well.
    bool m_reportedFrame = false;
    bool m_activeKnown = false;
};

}  // namespace platform
