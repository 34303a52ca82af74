#include "forms/print/CDlgPrinterFontSize.h"

#include "app/CQELWinAppEx.h"
#include "app/HelpContextIds.h"
#include "forms/print/PrintCalibration.h"
#include "platform/dialog/UpDown.h"

namespace {

constexpr int kTemplate = 365;
constexpr settings::IntRange kRange = settings::kPrinterFontFactorRange;

// One row: its edit field, its up-down control and the section whose factor it shows.
struct Row {
    int edit;
    int upDown;
    QStringView section;
    int CDlgPrinterFontSize::*factor;
};

constexpr Row kRows[] = {
    {1032, 1026, settings::kEUR1Section, &CDlgPrinterFontSize::m_nFactorEUR1},
    {1033, 1027, settings::kATRSection, &CDlgPrinterFontSize::m_nFactorATR},
    {1034, 1028, settings::kUZSection, &CDlgPrinterFontSize::m_nFactorUZ},
    {1035, 1029, settings::kLZE2Section, &CDlgPrinterFontSize::m_nFactorLZE},
};

}  // namespace

CDlgPrinterFontSize::CDlgPrinterFontSize(CQELWinAppEx& app, QWidget* parent)
    : platform::Dialog(platform::DialogTemplate::load(kTemplate), parent), m_app(app)
{
}

void CDlgPrinterFontSize::onInitDialog()
{
    keepHelpContext(m_app.m_nHelpContext, HelpContextIds::kPrinterFontSize);
    // A factor stored outside the range prints held to it; the dialog shows what prints.
    for (const Row& row : kRows)
        this->*row.factor =
            PrintCalibration::Read(m_app, settings::kPrinterFontFactor.in(row.section), kRange);
    platform::Dialog::onInitDialog();
    for (const Row& row : kRows) {
        auto* upDown = itemAs<platform::UpDown>(row.upDown);
        upDown->setRange(kRange.smallest, kRange.largest);
        upDown->setPos(this->*row.factor);
    }
}

void CDlgPrinterFontSize::doDataExchange(platform::DataExchange& exchange)
{
    for (const Row& row : kRows) exchange.text(row.edit, this->*row.factor, kRange.smallest, kRange.largest);
}

platform::wholefile::WriteResult CDlgPrinterFontSize::storeValues()
{
    platform::Registry::Batch factors = m_app.batch();
    for (const Row& row : kRows)
        m_app.WriteProfileInt(settings::kPrinterFontFactor.in(row.section), this->*row.factor);
    // The 848a declaration prints with the factor of its own section.
    m_app.WriteProfileInt(settings::kPrinterFontFactor.in(settings::kLZE1Section), m_nFactorLZE);
    return factors.commit();
}

int RunPrinterFontSize(CQELWinAppEx& app)
{
    CDlgPrinterFontSize dlg(app);
    return dlg.doModal();
}
