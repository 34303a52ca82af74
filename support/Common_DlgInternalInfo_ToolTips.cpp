#include "support/Common_DlgInternalInfo_ToolTips.h"

#include <QWidget>

namespace {

struct Tool {
    int controlId;
    const char16_t* title[2];        // German, English
    const char16_t* description[2];  // German, English
};

// In the order the tools are added.
constexpr Tool kTools[] = {
    {21104,
     {u"Betriebssystem", u"Operating system"},
     {u"Hier werden Informationen zum Betriebssystem, der Bildschirmauflösung und dem "
      u"Installationsverzeichnis "
      u"des Programms gezeigt",
      u"Information about operating system, screen resolution and home directory of the program."}},
    {21106,
     {u"Programmdaten", u"Program data"},
     {u"Anzeige der Programmversion", u"Display of program version"}},
    {1, {u"Schaltfläche \"OK\"", u"Button \"OK\""}, {u"Dialog beenden", u"Close this dialog"}},
    {21103,
     {u"Schaltfläche \"Daten in Datei sichern\"", u"Button \"Save data to file\""},
     {u"Mit dieser Schaltfläche werden alle wichtigen Programminformationen für Supportzwecke in eine Datei "
      u"geschrieben und der Dialog beendet",
      u"This button will create a file with suport information on your harddisk and close this dialog."}},
};

}  // namespace

void Common_DlgInternalInfo_ToolTips::AddTools(QWidget& dialog)
{
    const int language = m_nLanguage == 1 ? 1 : 0;
    for (const Tool& tool : kTools) {
        if (auto* control = dialog.findChild<QWidget*>(QString::number(tool.controlId)))
            addTool(control, QString::fromUtf16(tool.title[language]));
    }
}

void Common_DlgInternalInfo_ToolTips::onShow(int controlId)
{
    m_nTipCtrlId = controlId;
    const int language = m_nLanguage == 1 ? 1 : 0;
    for (const Tool& tool : kTools) {
        if (tool.controlId == controlId)
            return setDescription(QString::fromUtf16(tool.description[language]));
    }
    setDescription({});
}
