#pragma once

#include <QDialog>

class QListWidget;

namespace platform {

class ChildFrame;
class MdiFrame;

// The windows dialog: the frame's open documents, of which the selected ones can be activated, saved or
// closed (closing asks to save a modified one).
class WindowsDialog : public QDialog {
    Q_OBJECT

public:
    explicit WindowsDialog(MdiFrame& frame);

    QListWidget* list() const { return m_list; }

    void activateSelected();
    void saveSelected();
    void closeSelected();

private:
    void fill();
    QList<ChildFrame*> selectedFrames() const;

    MdiFrame& m_frame;
    QListWidget* m_list;
};

}  // namespace platform
