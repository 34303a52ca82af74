#include "forms/common/FormDefaultsDialog.h"

#include "app/CQELWinAppEx.h"

#include <QCheckBox>

namespace {

constexpr int kExporteur = 1003;
constexpr int kUrsprungsland = 1004;
constexpr int kTransport = 1005;
constexpr int kStadt = 1006;

}  // namespace

FormDefaultsDialog::FormDefaultsDialog(CQELWinAppEx& app, const Form& form, QWidget* parent)
    : platform::Dialog(platform::DialogTemplate::load(form.templateId), parent),
      m_app(app),
      m_form(form),
      m_ToolTip(form.tools)
{
}

void FormDefaultsDialog::onInitDialog()
{
    keepHelpContext(m_app.m_nHelpContext, m_form.helpContextId);
    m_strExporteur = m_app.GetProfileString(settings::kExporteur.in(m_form.section));
    m_strUrsprungsland = m_app.GetProfileString(settings::kUrsprungsland.in(m_form.section));
    m_strTransport = m_app.GetProfileString(settings::kTransport.in(m_form.section));
    m_strStadt = m_app.GetProfileString(settings::kStadt.in(m_form.section));
    platform::Dialog::onInitDialog();
    // Any value but 0 shows the box as set.
    for (const CheckBox& box : m_form.checkBoxes)
        itemAs<QCheckBox>(box.controlId)->setChecked(m_app.GetProfileInt(box.value) != 0);
    m_ToolTip.AddTools(*this);
}

void FormDefaultsDialog::doDataExchange(platform::DataExchange& exchange)
{
    exchange.text(kExporteur, m_strExporteur);
    exchange.text(kUrsprungsland, m_strUrsprungsland);
    exchange.text(kTransport, m_strTransport);
    exchange.text(kStadt, m_strStadt);
}

platform::wholefile::WriteResult FormDefaultsDialog::storeValues()
{
    platform::Registry::Batch defaults = m_app.batch();
    for (const CheckBox& box : m_form.checkBoxes)
        m_app.WriteProfileInt(box.value, itemAs<QCheckBox>(box.controlId)->isChecked() ? 1 : 0);
    m_app.WriteProfileString(settings::kExporteur.in(m_form.section), m_strExporteur);
    m_app.WriteProfileString(settings::kUrsprungsland.in(m_form.section), m_strUrsprungsland);
    m_app.WriteProfileString(settings::kTransport.in(m_form.section), m_strTransport);
    m_app.WriteProfileString(settings::kStadt.in(m_form.section), m_strStadt);
    return defaults.commit();
}
