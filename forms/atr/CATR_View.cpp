#include "forms/atr/CATR_View.h"

#include "app/CQELWinAppEx.h"
#include "editor/CQELEditWindow_ATR.h"
#include "forms/atr/CATR_Doc.h"
#include "forms/atr/CDlgAdvMarginsATR.h"
#include "forms/atr/CDlgDefaults_ATR.h"
#include "forms/common/FormCommandIds.h"
#include "platform/command/MessageMap.h"

CATR_View::CATR_View(CQELWinAppEx& app, CATR_Doc& document)
    : FormView(app, document,
               std::make_unique<CQELEditWindow_ATR>([this] { UpdateStatusPanes(); }, &app, app.m_nLanguage))
{
}

void CATR_View::OnFormDefaults()
{
    RunFormDefaultsATR(app());
}

void CATR_View::OnAdvancedPrintPositions()
{
    RunAdvMarginsATR(app());
}

const platform::MessageMapBase* CATR_View::GetMessageMap() const
{
    using Map = platform::MessageMap<CATR_View>;
    static const Map map(
        FormView::GetMessageMap(),
        {
            Map::command(formcmd::kFormDefaults, &CATR_View::OnFormDefaults),
            Map::command(formcmd::kAdvancedPrintPositions, &CATR_View::OnAdvancedPrintPositions),
        });
    return &map;
}
