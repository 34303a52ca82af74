#pragma once

#include "platform/docview/ScrollView.h"

#include <QString>
#include <QStringView>
#include <cstdint>

class SettingsStore;

// The scrolling view of every form. It owns the zoom: screen logical units (0.1 mm in the metric mode) per
// millimetre of the form, 10 being true size. The zoom starts from the view's settings section, the screen's
// height and the screen's density, and the zoom commands step it within 10 to 25.
class CQEScrollViewBase : public platform::ScrollView {
    Q_OBJECT

public:
    static constexpr int kSmallestZoomStep = 10;
    static constexpr int kLargestZoomStep = 25;
    // The zoom never leaves this range, whatever the settings hold: at zoom 0 nothing can be seen, and a
    // 350 mm sheet, the longest form, still fits 16-bit logical coordinates at the largest zoom
    // (3500 * 90 / 10 = 31500).
    static constexpr int kLowestZoom = 1;
    static constexpr int kHighestZoom = 90;

    explicit CQEScrollViewBase(SettingsStore& settings, QWidget* parent = nullptr);

    virtual void SetProfileSection(QStringView section) { m_strSection = section.toString(); }
    // Computes the zoom from the settings and the screen; writes the values it started from.
    virtual void InitZoom();

    void OnZoomIn();
    void OnZoomOut();
    // Whether the zoom commands are enabled.
    bool OnUpdateZoomIn() const { return m_nZoom < kLargestZoomStep; }
    bool OnUpdateZoomOut() const { return m_nZoom > kSmallestZoomStep; }

    // The zoom step a screen of `heightPixels` starts with when its section holds none.
    static int DefaultZoomStep(int heightPixels);

protected:
    // The form views draw; the base has nothing of its own.
    void OnDraw(platform::Dc&) override {}

    SettingsStore& settingsStore() const { return m_settings; }

    // Below kSmallestZoomStep: not yet initialised.
    std::int16_t m_nZoom = 0;
    // 0: the form view lays itself out again before it next draws.
    std::uint8_t m_bLayoutValid = 0;
    QString m_strSection;

private:
    void StepZoom(int step);

    SettingsStore& m_settings;
    // The screen's density in percent that the zoom was made with.
    int m_nDensityFactor = 100;
};
