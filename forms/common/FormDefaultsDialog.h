#pragma once

#include "app/SettingsKeys.h"
#include "forms/common/FormDefaultsToolTip.h"
#include "platform/dialog/Dialog.h"

#include <span>

class CQELWinAppEx;

// "Vorgaben für ...": the texts a new form of one kind starts with (exporter, country of origin, transport
// and the city of the automatic date), whether the date is filled in, and the form's print options as picture
// check boxes. OK stores the check boxes and then the texts, line breaks as CR LF; Cancel, Escape and the
// close box store nothing. An open form keeps its texts: the defaults act on the next new form and the next
// print.
class FormDefaultsDialog : public platform::Dialog {
    Q_OBJECT
public:
    struct CheckBox {
        int controlId;
        settings::IntValue value;
    };
    // What makes the dialog of one form.
    struct Form {
        int templateId;
        QStringView section;
        int helpContextId;
        std::span<const CheckBox> checkBoxes;  // in control order, "Autodatum" first
        std::span<const FormDefaultsToolTip::Tool> tools;
    };

    FormDefaultsDialog(CQELWinAppEx& app, const Form& form, QWidget* parent = nullptr);

    const FormDefaultsToolTip& ToolTip() const { return m_ToolTip; }

protected:
    void onInitDialog() override;
    void doDataExchange(platform::DataExchange& exchange) override;
    platform::wholefile::WriteResult storeValues() override;

private:
    CQELWinAppEx& m_app;
    const Form& m_form;
    FormDefaultsToolTip m_ToolTip;
    QString m_strExporteur;
    QString m_strUrsprungsland;
    QString m_strTransport;
    QString m_strStadt;
};
