#include "forms/uz/CDlgEditXPos_UZ.h"

#include "app/CQELWinAppEx.h"
#include "app/HelpContextIds.h"
#include "forms/print/PrintCalibration.h"
#include "platform/dialog/UpDown.h"

#include <QCheckBox>

namespace {

constexpr int kTemplate = 346;
constexpr int kNoPrint = 1017;

// One offset: its edit field, the up-down control after it, its setting and its range.
struct Offset {
    int edit;
    int upDown;
    int CDlgEditXPos_UZ::*member;
    const settings::IntValue& value;
    settings::IntRange range;
};

const Offset kOffsets[] = {
    {1023, 1026, &CDlgEditXPos_UZ::Top_X1Pos, settings::kTop_X1Pos, settings::kCrossVerticalRange},
    {1022, 1027, &CDlgEditXPos_UZ::Left_X1Pos, settings::kLeft_X1Pos, settings::kCrossHorizontalRange},
    {1025, 1028, &CDlgEditXPos_UZ::Top_X2Pos, settings::kTop_X2Pos, settings::kCrossVerticalRange},
    {1024, 1029, &CDlgEditXPos_UZ::Left_X2Pos, settings::kLeft_X2Pos, settings::kCrossHorizontalRange},
};

}  // namespace

CDlgEditXPos_UZ::CDlgEditXPos_UZ(CQELWinAppEx& app, QWidget* parent)
    : platform::Dialog(platform::DialogTemplate::load(kTemplate), parent), m_app(app)
{
}

void CDlgEditXPos_UZ::onInitDialog()
{
    keepHelpContext(m_app.m_nHelpContext, HelpContextIds::kCrossPositions);
    for (const Offset& offset : kOffsets)
        this->*offset.member = PrintCalibration::Read(m_app, offset.value, offset.range);
    platform::Dialog::onInitDialog();
    for (const Offset& offset : kOffsets)
        itemAs<platform::UpDown>(offset.upDown)->setRange(offset.range.smallest, offset.range.largest);
    itemAs<QCheckBox>(kNoPrint)->setChecked(m_app.GetProfileInt(settings::kNoPrint_X) != 0);
    m_ToolTip.AddTools(*this);
}

void CDlgEditXPos_UZ::doDataExchange(platform::DataExchange& exchange)
{
    for (const Offset& offset : kOffsets)
        exchange.text(offset.edit, this->*offset.member, offset.range.smallest, offset.range.largest);
}

platform::wholefile::WriteResult CDlgEditXPos_UZ::storeValues()
{
    platform::Registry::Batch crosses = m_app.batch();
    m_app.WriteProfileInt(settings::kNoPrint_X, itemAs<QCheckBox>(kNoPrint)->isChecked() ? 1 : 0);
    for (const Offset& offset : kOffsets) m_app.WriteProfileInt(offset.value, this->*offset.member);
    return crosses.commit();
}

int RunEditXPosUZ(CQELWinAppEx& app, QWidget* parent)
{
    CDlgEditXPos_UZ dlg(app, parent);
    return dlg.doModal();
}
