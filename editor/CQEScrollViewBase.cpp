#include "editor/CQEScrollViewBase.h"

#include "app/SettingsStore.h"
#include "platform/dialog/StoreOnOk.h"
#include "platform/screen/ScreenMetrics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// A screen's density as a factor in percent of the standard 96 dots per inch, rounded to the nearest.
int DensityFactor(int dotsPerInch)
{
    constexpr int standard = platform::ScreenMetrics::kDefaultDotsPerInch;
    const std::int64_t dpi = dotsPerInch > 0 ? dotsPerInch : standard;
    return int((100 * dpi + standard / 2) / standard);
}

}  // namespace

CQEScrollViewBase::CQEScrollViewBase(SettingsStore& settings, QWidget* parent)
    : ScrollView(parent), m_strSection(settings::kSettingsSection.toString()), m_settings(settings)
{
}

// Current desktops draw text larger than the screens the first steps were chosen for; every desktop this
// program runs on is one of them, so the view starts three steps smaller.
int CQEScrollViewBase::DefaultZoomStep(int heightPixels)
{
    constexpr int kCurrentDesktopStepsDown = 3;
    int step = 14;
    if (heightPixels < 490) {
        step = 22;
    } else if (heightPixels < 610) {
        step = 18;
    } else if (heightPixels < 770) {
        step = 16;
    }
    return step - kCurrentDesktopStepsDown;
}

void CQEScrollViewBase::InitZoom()
{
    const platform::ScreenMetrics screen = platform::ScreenMetrics::current();
    const int zoomStep = m_settings.GetProfileInt(m_strSection, settings::kZoomFactor.name,
                                                  DefaultZoomStep(screen.heightPixels));
    const int measured = DensityFactor(screen.dotsPerInch);
    {
        // Both in one write of the settings, and none when they are stored already.
        platform::Registry::Batch noted = m_settings.batch();
        m_settings.WriteProfileInt(settings::kZoomFactorLU.in(m_strSection), zoomStep);
        m_settings.WriteProfileInt(settings::kWinFormScaledFactor.in(m_strSection), measured);
    }
    const settings::ValueName& override = settings::kWinFormScaledFactorOv;
    const int factor = m_settings.GetProfileInt(override.section, override.name, measured);
    m_nDensityFactor = factor;
    const std::int64_t zoom = std::int64_t{zoomStep} * factor / 100;
    m_nZoom = std::int16_t(std::clamp<std::int64_t>(zoom, kLowestZoom, kHighestZoom));
}

void CQEScrollViewBase::OnZoomIn()
{
    if (OnUpdateZoomIn()) StepZoom(+1);
}

void CQEScrollViewBase::OnZoomOut()
{
    if (OnUpdateZoomOut()) StepZoom(-1);
}

// The zoom is kept without the screen's density, which the next start multiplies in again. Where the density
// leaves no step that gives back this zoom exactly, the kept step lies on the side the user went, so that the
// next start shows the form no smaller after a zoom-in and no larger after a zoom-out.
void CQEScrollViewBase::StepZoom(int step)
{
    m_nZoom = std::int16_t(m_nZoom + step);
    const double factor = m_nDensityFactor > 0 ? m_nDensityFactor : 100;
    const double zoomStep = m_nZoom * 100 / factor;
    const double kept = step > 0 ? std::ceil(zoomStep) : std::floor(zoomStep);
    {
        platform::Registry::Batch stored = m_settings.batch();
        m_settings.WriteProfileInt(settings::kZoomFactor.in(m_strSection), int(kept));
        platform::storedOrTold(stored.commit());
    }
    m_bLayoutValid = 0;
    viewport()->repaint();
    ScrollToPosition({0, 0});
}
