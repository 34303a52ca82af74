#include "forms/print/MarginPanel.h"

#include "forms/print/MarginOffset.h"
#include "forms/print/PrintImages.h"
#include "platform/dialog/BitmapButton.h"

#include <array>

namespace {

struct ButtonImages {
    int button;
    int normal;
    int pressed;
    int focused;
};

constexpr std::array<ButtonImages, 4> kImages{{
    {MarginPanel::kLeft, 21116, 21118, 21117},
    {MarginPanel::kRight, 21119, 21121, 21120},
    {MarginPanel::kUp, 21124, 21122, 21123},
    {MarginPanel::kDown, 21127, 21125, 21126},
}};

}  // namespace

MarginPanel::MarginPanel(platform::DialogControls& controls, int textLanguage)
    : m_controls(controls), m_nTextLanguage(textLanguage)
{
    // "L" and "O" move back towards the top left, "R" and "U" on; the mark stops at 20 mm either way.
    OnArrow(kLeft, m_nHorizontal, MarginOffset::StepBack);
    OnArrow(kRight, m_nHorizontal, MarginOffset::StepOn);
    OnArrow(kUp, m_nVertical, MarginOffset::StepBack);
    OnArrow(kDown, m_nVertical, MarginOffset::StepOn);
}

void MarginPanel::OnInitDialog(QWidget& dialog, const platform::ToolTipParams& tipParams, int tipLanguage)
{
    LoadBitmaps();
    UpdateOffsetTexts();
    m_ToolTip.create(dialog);
    m_ToolTip.FillToolTipTexts(tipParams, tipLanguage);
    m_ToolTip.AddTools(dialog);
}

void MarginPanel::DoDataExchange(platform::DataExchange& exchange, int& dontShow)
{
    exchange.text(kHorizontalText, m_strHorizontal);
    exchange.text(kVerticalText, m_strVertical);
    exchange.check(kDontShow, dontShow);
}

void MarginPanel::UpdateOffsetTexts()
{
    m_strHorizontal = MarginOffset::HorizontalText(m_nHorizontal, m_nTextLanguage);
    m_strVertical = MarginOffset::VerticalText(m_nVertical, m_nTextLanguage);
    m_controls.setText(kHorizontalText, m_strHorizontal);
    m_controls.setText(kVerticalText, m_strVertical);
}

void MarginPanel::LoadBitmaps()
{
    for (const ButtonImages& images : kImages) {
        m_controls.itemAs<platform::BitmapButton>(images.button)
            ->loadBitmaps(PrintImages::image(images.normal), PrintImages::image(images.pressed),
                          PrintImages::image(images.focused));
    }
    m_controls.fit();
}

void MarginPanel::OnArrow(int button, int& offset, int (*step)(int))
{
    auto* arrow = m_controls.itemAs<platform::BitmapButton>(button);
    QObject::connect(arrow, &QAbstractButton::clicked, arrow, [this, &offset, step] {
        const int moved = step(offset);
        if (moved == offset) return;
        offset = moved;
        UpdateOffsetTexts();
    });
}
