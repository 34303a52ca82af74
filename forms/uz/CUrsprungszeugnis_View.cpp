#include "forms/uz/CUrsprungszeugnis_View.h"

#include "app/CQELWinAppEx.h"
#include "editor/CQELEditWindow_UZ.h"
#include "forms/common/FormCommandIds.h"
#include "forms/uz/CDlgDefaults_UZ.h"
#include "forms/uz/CDlgEditXPos_UZ.h"
#include "forms/uz/CUrsprungszeugnis_Doc.h"
#include "platform/command/MessageMap.h"
#include "platform/gdi/Dc.h"

namespace {

constexpr int kCrossPositions = 32853;

}  // namespace

CUrsprungszeugnis_View::CUrsprungszeugnis_View(CQELWinAppEx& app, CUrsprungszeugnis_Doc& document)
    : FormView(app, document,
               std::make_unique<CQELEditWindow_UZ>([this] { UpdateStatusPanes(); }, &app, app.m_nLanguage))
{
}

void CUrsprungszeugnis_View::DrawPage1Fields(platform::Dc& dc)
{
    FormView::DrawPage1Fields(dc);
    // Both diagonals of the box the document's choice names, in the thick pen of the form's lines.
    const FormMarkArea* chosen = ChosenMarkArea();
    if (!chosen) return;
    const platform::Rect box = GetFieldRect(chosen->field, chosen->page);
    dc.selectPen(PenOf(FormPen::Thick));
    dc.moveTo({box.left, -box.top});
    dc.lineTo({box.right, -box.bottom});
    dc.moveTo({box.left, -box.bottom});
    dc.lineTo({box.right, -box.top});
}

void CUrsprungszeugnis_View::OnFormDefaults()
{
    RunFormDefaultsUZ(app());
}

void CUrsprungszeugnis_View::OnCrossPositions()
{
    RunEditXPosUZ(app(), this);
}

const platform::MessageMapBase* CUrsprungszeugnis_View::GetMessageMap() const
{
    using Map = platform::MessageMap<CUrsprungszeugnis_View>;
    static const Map map(FormView::GetMessageMap(),
                         {
                             Map::command(formcmd::kFormDefaults, &CUrsprungszeugnis_View::OnFormDefaults),
                             Map::command(kCrossPositions, &CUrsprungszeugnis_View::OnCrossPositions),
                         });
    return &map;
}
