#pragma once

#include "platform/dialog/StoreOnOk.h"
#include "platform/dialog/UiService.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class QTabWidget;

namespace platform {

class PropertyPage;

// A modal dialog of tabbed pages with the buttons "OK", "Abbrechen" and "Hilfe". OK first lets the current
// page give up its place, then stores what setStoreOnOk names and ends the sheet; Cancel, Escape and the
// close box end it at once. There is no "Übernehmen": what the pages show is taken over by OK alone. The
// pages stay owned by whoever made them.
class PropertySheet : public QDialog {
    Q_OBJECT
public:
    explicit PropertySheet(QWidget* parent = nullptr);
    ~PropertySheet() override;

    // Pages are shown in the order they are added, each under its title.
    void addPage(PropertyPage& page);
    int pageCount() const { return int(m_pages.size()); }
    PropertyPage* activePage() const;
    // Switches as a click on the tab would, unless the current page refuses to be left.
    void setActivePage(int index);

    // Runs the sheet through the UI service: answer::kOk or answer::kCancel.
    int doModal();
    // OK and Cancel, as their buttons would.
    void accept() override;
    void reject() override;
    // What OK stores before the sheet ends, for a sheet that leaves storing to its caller; a failure is told
    // and keeps the sheet open.
    void setStoreOnOk(StoreOnOk store) { m_storeOnOk = std::move(store); }

protected:
    // After the current page gave up its place on OK: the place to store the values, in one write of the
    // settings. The default stores what setStoreOnOk names.
    virtual wholefile::WriteResult storeValues()
    {
        return m_storeOnOk ? m_storeOnOk() : wholefile::WriteResult{};
    }
    // Runs the first time the sheet shows, before its first page becomes active.
    virtual void onInitDialog() {}

    void showEvent(QShowEvent* event) override;

private:
    void onTabChanged(int index);

    QTabWidget* m_tabs;
    StoreOnOk m_storeOnOk;
    QList<QPointer<PropertyPage>> m_pages;
    int m_activeIndex = -1;
    bool m_initialized = false;
};

}  // namespace platform
