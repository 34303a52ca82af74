#include "forms/print/Common_DlgMargin02_Page.h"

#include "forms/print/Common_DlgMargin02.h"
#include "platform/dialog/DialogTemplate.h"

namespace {

constexpr int kTemplate = 21114;
// The pages' own texts are German, whatever the program's language.
constexpr int kGerman = 0;

const platform::ToolTipParams kTipParams{
    .drawSeparator = true, .maxDescriptionWidth = 200, .fillGradientColor = 0xD7FFFF};

}  // namespace

Common_DlgMargin02_Page::Common_DlgMargin02_Page(Common_DlgMargin02& sheet, int language)
    : platform::PropertyPage(platform::DialogTemplate::load(kTemplate)),
      m_sheet(sheet),
      m_nLanguage(language),
      m_Panel(controls(), kGerman)
{
}

void Common_DlgMargin02_Page::onInitDialog()
{
    platform::PropertyPage::onInitDialog();
    m_Panel.OnInitDialog(*this, kTipParams, m_nLanguage);
}

void Common_DlgMargin02_Page::doDataExchange(platform::DataExchange& exchange)
{
    m_Panel.DoDataExchange(exchange, m_bDontShow);
}

void Common_DlgMargin02_Page::onSetActive()
{
    m_bDontShow = m_sheet.GetDontShow();
    updateData(false);
}

bool Common_DlgMargin02_Page::onKillActive()
{
    if (!updateData(true)) return false;
    m_sheet.SetDontShow(m_bDontShow);
    return true;
}
