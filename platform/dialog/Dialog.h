#pragma once

#include "platform/dialog/DataExchange.h"
#include "platform/dialog/DialogControls.h"
#include "platform/dialog/HelpContext.h"
#include "platform/dialog/StoreOnOk.h"
#include "platform/dialog/UiService.h"

#include <QDialog>
#include <functional>
#include <optional>

namespace platform {

// The ids the framework gives the standard buttons.
namespace control {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kHelp = 57670;
}  // namespace control

// A modal dialog built from a template. It behaves like a Windows dialog: Enter presses the default button
// (or the push button that has the focus), OK runs the data exchange and stays open when an entry is
// refused; Cancel, Escape and the close box end it without reading anything back; "Hilfe" opens the help
// for the current context. While a button has the focus, a letter alone works as with Alt, as on Windows.
// The dialog is set up the first time it shows. A pop-up template gives a window without title bar, framed
// by a thin line.
class Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Dialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr,
                    const DialogControls::ImageSource& images = {});

    // Runs the dialog through the UI service: answer::kOk or answer::kCancel, or what endDialog was given.
    int doModal();
    // OK and Cancel, as their buttons would.
    void accept() override;
    void reject() override;

    QWidget* item(int id) const { return m_controls.item(id); }
    template <class Control>
    Control* itemAs(int id) const
    {
        return m_controls.itemAs<Control>(id);
    }
    DialogControls& controls() { return m_controls; }

    // What OK stores before the dialog ends, for a dialog that leaves storing to its caller; a failure is
    // told and keeps the dialog open.
    void setStoreOnOk(StoreOnOk store) { m_storeOnOk = std::move(store); }

    // Saving: reads and checks the controls, false when an entry was refused. Loading: fills them.
    bool updateData(bool saveAndValidate = true);
    void endDialog(int result);

protected:
    // The default puts the values into the controls.
    virtual void onInitDialog();
    virtual void doDataExchange(DataExchange&) {}
    // The default reads the controls back and, unless an entry was refused, stores the values and ends with
    // answer::kOk; values that could not be stored are told, with the reason, and keep the dialog open.
    virtual void onOk();
    // After OK read the values back: the place to store them, in one write of the settings (a batch). The
    // default stores what setStoreOnOk names.
    virtual wholefile::WriteResult storeValues()
    {
        return m_storeOnOk ? m_storeOnOk() : wholefile::WriteResult{};
    }
    virtual void onCancel();

    // The button of that id runs the handler when clicked.
    void onClicked(int id, std::function<void()> handler);
    // Sets the application's help context id for as long as the dialog is open.
    void keepHelpContext(int& currentId, int ownId);
    void changeHelpContext(int ownId);

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    DialogControls m_controls;
    StoreOnOk m_storeOnOk;
    std::optional<HelpContextGuard> m_helpContext;
    bool m_initialized = false;
};

}  // namespace platform
