#pragma once

#include "platform/command/CommandTarget.h"

#include <QMdiSubWindow>
#include <memory>

namespace platform {

class DocTemplate;
class Document;
class View;

// The MDI child window of a document: it owns the document and the view that shows it. A command offered
// to the frame goes to the view, then to the document, then to the frame's own handlers. Closing it asks to
// save a modified document first and stays open when the user cancels.
class ChildFrame : public QMdiSubWindow, public CommandTarget {
    Q_OBJECT

public:
    explicit ChildFrame(QWidget* parent = nullptr);
    ~ChildFrame() override;

    // Takes the document and its view; without a view the frame shows an empty area.
    void setContents(std::unique_ptr<Document> document, View* view);

    Document* GetActiveDocument() const { return m_document.get(); }
    View* GetActiveView() const { return m_view; }
    const DocTemplate* docTemplate() const;

    // Closes the frame without asking, for documents whose changes were dealt with already.
    void closeWithoutAsking();
    // A closed frame waits to be deleted; it holds no document any more that counts.
    bool isClosed() const { return m_closed; }

    bool OnCmdMsg(int id, CmdMsg msg, CmdUI* ui) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Document> m_document;
    View* m_view = nullptr;
    bool m_askBeforeClosing = true;
    bool m_closed = false;
};

}  // namespace platform
