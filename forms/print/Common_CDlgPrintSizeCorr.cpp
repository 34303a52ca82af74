#include "forms/print/Common_CDlgPrintSizeCorr.h"

#include "app/CQELWinAppEx.h"
#include "forms/print/PrintCalibration.h"

namespace {

constexpr int kTemplate = 21146;
constexpr int kVertical = 21147;
constexpr int kHorizontal = 21148;
// The factors are stored in tenths of a percent.
constexpr float kSmallestPercent = float(settings::kPrintAreaRange.smallest) / 10.0f;
constexpr float kLargestPercent = float(settings::kPrintAreaRange.largest) / 10.0f;

struct EnglishText {
    int controlId;
    const char16_t* text;
};

constexpr EnglishText kEnglish[] = {
    {21007, u"This Settings will change the printout!"},
    {21008, u"All input with decimal point, no comma"},
    {21005, u"&Vertical Correction"},
    {21006, u"&Horizontal Correction"},
    {platform::control::kCancel, u"Abort"},
};

}  // namespace

Common_CDlgPrintSizeCorr::Common_CDlgPrintSizeCorr(CQELWinAppEx& app, QWidget* parent)
    : platform::Dialog(platform::DialogTemplate::load(kTemplate), parent), m_app(app)
{
}

int Common_CDlgPrintSizeCorr::StoredFactor(float percent)
{
    const float tenths = percent * 10.0f;
    return static_cast<int>(tenths);
}

void Common_CDlgPrintSizeCorr::onInitDialog()
{
    // A factor stored outside the range prints held to it; the dialog shows what prints.
    const auto shown = [this](const settings::IntValue& value) {
        return float(PrintCalibration::Read(m_app, value, settings::kPrintAreaRange)) / 10.0f;
    };
    m_fPrnFactorV = shown(settings::kPrnFactorV);
    m_fPrnFactorH = shown(settings::kPrnFactorH);
    if (m_app.m_nLanguage == 1) TranslateControls();
    platform::Dialog::onInitDialog();
}

void Common_CDlgPrintSizeCorr::TranslateControls()
{
    setWindowTitle(QStringLiteral("Print Area Correction"));
    for (const EnglishText& english : kEnglish)
        controls().setText(english.controlId, QString::fromUtf16(english.text));
}

void Common_CDlgPrintSizeCorr::doDataExchange(platform::DataExchange& exchange)
{
    exchange.text(kVertical, m_fPrnFactorV, kSmallestPercent, kLargestPercent);
    exchange.text(kHorizontal, m_fPrnFactorH, kSmallestPercent, kLargestPercent);
}

platform::wholefile::WriteResult Common_CDlgPrintSizeCorr::storeValues()
{
    platform::Registry::Batch factors = m_app.batch();
    m_app.WriteProfileInt(settings::kPrnFactorV, StoredFactor(m_fPrnFactorV));
    m_app.WriteProfileInt(settings::kPrnFactorH, StoredFactor(m_fPrnFactorH));
    return factors.commit();
}

int RunPrintSizeCorrection(CQELWinAppEx& app)
{
    Common_CDlgPrintSizeCorr dlg(app);
    return dlg.doModal();
}
