#pragma once

#include "platform/command/CommandTarget.h"

#include <QAbstractScrollArea>

namespace platform {

class Dc;
class Document;

// The window contents of a document: a scroll area that draws its document. A document's template creates
// the view, gives it its document and calls OnInitialUpdate once the view is in its frame. Commands reach
// the active view first; what it does not handle goes on to its document.
class View : public QAbstractScrollArea, public CommandTarget {
    Q_OBJECT

public:
    explicit View(QWidget* parent = nullptr);

    Document* GetDocument() const { return m_document; }
    void setDocument(Document* document) { m_document = document; }

    virtual void OnInitialUpdate() {}
    // The frame made this view's document the one being worked on (`activate`), or another one.
    virtual void OnActivateView(bool activate) { Q_UNUSED(activate); }

protected:
    // Draws the view into `dc`, which paints the viewport in device pixels.
    virtual void OnDraw(Dc& dc) = 0;

    void paintEvent(QPaintEvent* event) override;

private:
    Document* m_document = nullptr;
};

}  // namespace platform
