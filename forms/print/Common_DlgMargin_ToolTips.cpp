#include "forms/print/Common_DlgMargin_ToolTips.h"

#include <QWidget>
#include <array>

namespace {

struct TextPair {
    const char16_t* german;
    const char16_t* english;
};

constexpr std::array<TextPair, 19> kTexts{{
    {u"Schaltfläche \"links\"", u"Button \"left\""},
    {u"Schaltfläche \"rechts\"", u"Button \"right\""},
    {u"Schaltfläche \"oben\"", u"Button \"up\""},
    {u"Schaltfläche \"unten\"", u"Button \"down\""},
    {u"Option", u"Option"},
    {u"Aktueller Wert", u"Actual value"},
    {u"Schaltfläche \"Abbruch\"", u"Button \"Abort\""},
    {u"Schaltfläche \"Hilfe\"", u"Button \"Help\""},
    {u"Schaltfläche \"OK\"", u"Button \"OK\""},
    {u"Verschiebt die Druckmarkierung 0,5mm nach links", u"Moves the print mark 0,5mm to the left"},
    {u"Verschiebt die Druckmarkierung 0,5mm nach rechts", u"Moves the print mark 0,5mm to the right"},
    {u"Verschiebt die Druckmarkierung 0,5mm nach oben", u"Moves the print mark 0,5mm to the top"},
    {u"Verschiebt die Druckmarkierung 0,5mm nach unten", u"Moves the print mark 0,5mm to the bottom"},
    {u"Verhindert diesen Dialog vor jedem Druckvorgang", u"Disables this dialog before printing"},
    {u"Der linke Rand wird um diesen Wert verändert", u"The left margin will be changed with this value"},
    {u"Der obere Rand wird um diesen Wert verändert", u"The top margin will be changed with this value"},
    {u"Abbruch des Dialogs, ohne die Änderungen zu sichern", u"Close dialog without saving the settings"},
    {u"Aufruf der On-Line Hilfe", u"Calls the on-line help"},
    {u"Dialog beenden und alle Einstellungen sichern", u"Close dialog and save all settings"},
}};

// The controls with a tip, in the order they are registered, with the entries of their title and description.
// The pages use the same titles as the one-page dialog.
struct Tool {
    int controlId;
    int title;
    int description;
};

constexpr std::array<Tool, 10> kTools{{
    {21128, 0, 9},
    {21129, 1, 10},
    {21130, 2, 11},
    {21131, 3, 12},
    {21003, 4, 13},
    {21132, 5, 14},
    {21133, 5, 15},
    {2, 6, 16},
    {57670, 7, 17},
    {1, 8, 18},
}};

}  // namespace

Common_DlgMargin_ToolTips::Common_DlgMargin_ToolTips()
{
    m_astrTexts.resize(kTexts.size());
}

void Common_DlgMargin_ToolTips::FillToolTipTexts(const platform::ToolTipParams& params, int language)
{
    for (size_t i = 0; i < kTexts.size(); ++i) {
        m_astrTexts[qsizetype(i)] = QString::fromUtf16(language == 1 ? kTexts[i].english : kTexts[i].german);
    }
    setParams(params);
}

void Common_DlgMargin_ToolTips::AddTools(QWidget& dialog)
{
    for (const Tool& tool : kTools) {
        if (auto* control = dialog.findChild<QWidget*>(QString::number(tool.controlId))) {
            addTool(control, m_astrTexts[tool.title]);
        }
    }
}

void Common_DlgMargin_ToolTips::onShow(int controlId)
{
    m_nTipCtrlId = controlId;
    for (const Tool& tool : kTools) {
        if (tool.controlId == controlId) return setDescription(m_astrTexts[tool.description]);
    }
    setDescription({});
}
