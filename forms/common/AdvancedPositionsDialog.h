#pragma once

#include "app/SettingsKeys.h"
#include "platform/dialog/Dialog.h"

#include <array>

class CQELWinAppEx;

// "Erweiterte Druckpositionen": a horizontal and a vertical correction of the print position of two boxes of
// a form, in tenths of a millimetre from -99 to 99 (negative down or left). The edit fields show the stored
// values as printing uses them, held to that range; OK takes them only when all four are whole numbers within
// it, else it names the first refused one and stores nothing.
class AdvancedPositionsDialog : public platform::Dialog {
    Q_OBJECT
public:
    // What makes the dialog of one form: the corrections in the order of the edit fields (first box
    // horizontal and vertical, then the second box).
    struct Form {
        int templateId;
        int helpContextId;
        std::array<settings::IntValue, 4> corrections;
    };

    AdvancedPositionsDialog(CQELWinAppEx& app, const Form& form, QWidget* parent = nullptr);

protected:
    void onInitDialog() override;
    void doDataExchange(platform::DataExchange& exchange) override;
    platform::wholefile::WriteResult storeValues() override;

private:
    CQELWinAppEx& m_app;
    const Form& m_form;
    std::array<int, 4> m_anCorrections{};
};
