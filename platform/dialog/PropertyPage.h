#pragma once

#include "platform/dialog/DataExchange.h"
#include "platform/dialog/DialogControls.h"

#include <QWidget>
#include <functional>

namespace platform {

class PropertySheet;

// One page of a property sheet, built from a template without buttons of its own. A page is set up the first
// time it becomes the sheet's current page; a page never shown keeps what it was given.
class PropertyPage : public QWidget {
    Q_OBJECT
public:
    explicit PropertyPage(const DialogTemplate& dialogTemplate,
                          const DialogControls::ImageSource& images = {});

    QWidget* item(int id) const { return m_controls.item(id); }
    template <class Control>
    Control* itemAs(int id) const
    {
        return m_controls.itemAs<Control>(id);
    }
    DialogControls& controls() { return m_controls; }

    // The tab's title; a page that has none takes its template's caption.
    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    bool updateData(bool saveAndValidate = true);

protected:
    // The default puts the values into the controls.
    virtual void onInitDialog();
    virtual void doDataExchange(DataExchange&) {}
    // Each time the page becomes the current one.
    virtual void onSetActive() {}
    // Before another page or the sheet's OK takes over; false keeps the page. The default reads it back.
    virtual bool onKillActive();

    void onClicked(int id, std::function<void()> handler);

private:
    friend class PropertySheet;
    void activate();

    DialogControls m_controls;
    QString m_title;
    bool m_initialized = false;
};

}  // namespace platform
