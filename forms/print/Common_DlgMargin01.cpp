#include "forms/print/Common_DlgMargin01.h"

#include "platform/dialog/DialogTemplate.h"

namespace {

constexpr int kTemplate = 21113;

const platform::ToolTipParams kTipParams{
    .drawSeparator = false, .maxDescriptionWidth = 300, .fillGradientColor = 0xFFFFC8};

struct EnglishText {
    int controlId;
    const char16_t* text;
};

// "horizontal" and "OK" read the same in both languages.
constexpr EnglishText kEnglish[] = {
    {platform::control::kCancel, u"Abort"},
    {platform::control::kHelp, u"Help"},
    {MarginPanel::kDontShow, u"Don't show this dialog before printing"},
    {21006, u"vertical"},
    {21007,
     u"With moving the printed angle (in the upper left) you can position the text on the printout to be fit "
     u"into the form."},
};

}  // namespace

Common_DlgMargin01::Common_DlgMargin01(int language, QWidget* parent)
    : platform::Dialog(platform::DialogTemplate::load(kTemplate), parent),
      m_nLanguage(language),
      m_Panel(controls(), language)
{
}

void Common_DlgMargin01::onInitDialog()
{
    platform::Dialog::onInitDialog();
    setWindowTitle(m_strCaption);
    if (m_nLanguage == 1) TranslateControls();
    m_Panel.OnInitDialog(*this, kTipParams, m_nLanguage);
}

void Common_DlgMargin01::doDataExchange(platform::DataExchange& exchange)
{
    m_Panel.DoDataExchange(exchange, m_bDontShow);
}

void Common_DlgMargin01::TranslateControls()
{
    for (const EnglishText& english : kEnglish)
        controls().setText(english.controlId, QString::fromUtf16(english.text));
}
