#include "forms/common/AdvancedPositionsDialog.h"

#include "app/CQELWinAppEx.h"
#include "forms/print/PrintCalibration.h"
#include "platform/dialog/UpDown.h"

namespace {

// Each edit field is followed by its up-down control.
constexpr std::array<int, 4> kEdits{1003, 1004, 1005, 1006};
constexpr std::array<int, 4> kUpDowns{1026, 1027, 1028, 1029};
constexpr settings::IntRange kRange = settings::kBoxCorrectionRange;

}  // namespace

AdvancedPositionsDialog::AdvancedPositionsDialog(CQELWinAppEx& app, const Form& form, QWidget* parent)
    : platform::Dialog(platform::DialogTemplate::load(form.templateId), parent), m_app(app), m_form(form)
{
}

void AdvancedPositionsDialog::onInitDialog()
{
    keepHelpContext(m_app.m_nHelpContext, m_form.helpContextId);
    for (size_t i = 0; i < kEdits.size(); ++i)
        m_anCorrections[i] = PrintCalibration::Read(m_app, m_form.corrections[i], kRange);
    platform::Dialog::onInitDialog();
    for (int id : kUpDowns) itemAs<platform::UpDown>(id)->setRange(kRange.smallest, kRange.largest);
}

void AdvancedPositionsDialog::doDataExchange(platform::DataExchange& exchange)
{
    for (size_t i = 0; i < kEdits.size(); ++i)
        exchange.text(kEdits[i], m_anCorrections[i], kRange.smallest, kRange.largest);
}

platform::wholefile::WriteResult AdvancedPositionsDialog::storeValues()
{
    platform::Registry::Batch corrections = m_app.batch();
    for (size_t i = 0; i < kEdits.size(); ++i)
        m_app.WriteProfileInt(m_form.corrections[i], m_anCorrections[i]);
    return corrections.commit();
}
