#include "forms/lze848a/CLZE_848a_View.h"

#include "app/CQELWinAppEx.h"
#include "editor/CQELEditWindow_LZE848a.h"
#include "forms/common/FormCommandIds.h"
#include "forms/lze848a/CLZE_848a_Doc.h"
#include "forms/lze848a/LZE848a_Drawing.h"
#include "forms/lze848a/LZE848a_Printing.h"
#include "platform/command/CmdUI.h"
#include "platform/command/MessageMap.h"
#include "platform/dialog/StoreOnOk.h"
#include "platform/dialog/UiService.h"
#include "platform/gdi/Dc.h"

using platform::Rect;

namespace {

const QString kTakesEffectWithTheNextForm =
    QStringLiteral("Eine Änderung der Einstellung wird erst ab dem nächsten Dokument wirksam!");

// The form's definition makes its printing, which the view makes with itself.
const LZE848a_TwoLineFields& TwoLineFieldsOf(const FormPrinting* printing)
{
    return static_cast<const LZE848a_Printing*>(printing)->twoLineFields();
}

}  // namespace

CLZE_848a_View::CLZE_848a_View(CQELWinAppEx& app, CLZE_848a_Doc& document)
    : FormView(
          app, document,
          std::make_unique<CQELEditWindow_LZE848a>([this] { UpdateStatusPanes(); }, &app, app.m_nLanguage)),
      m_twoLineFields(TwoLineFieldsOf(printing()))
{
}

Rect CLZE_848a_View::GetFieldRect(std::uint16_t field, int page) const
{
    if (page > 1) return FormView::GetFieldRect(field, page);
    const auto rows = fieldTable().page1;
    const std::uint16_t row = field < rows.size() ? field : 0;
    const FormRect box = m_twoLineFields.screenBox(row, rows[row].screen);
    return {Scaled(box.left), Scaled(box.top), Scaled(box.right), Scaled(box.bottom)};
}

void CLZE_848a_View::DrawPage1Fields(platform::Dc& dc)
{
    FormView::DrawPage1Fields(dc);
    const LZE848a_Tick tick = LZE848a_TickFor(document().m_nMarkChoice);
    dc.selectPen(PenOf(FormPen::Frame));
    for (const FormLine& line : {tick.down, tick.up}) {
        dc.moveTo({Scaled(line.x1), -Scaled(line.y1)});
        dc.lineTo({Scaled(line.x2), -Scaled(line.y2)});
    }
}

void CLZE_848a_View::OnToggleTwoLineFields()
{
    platform::UiService::instance().messageBox(
        {CQELWinAppEx::kAppName.toString(), kTakesEffectWithTheNextForm});
    const bool on = app().GetProfileInt(settings::kLZEF1F2) == 1;
    platform::Registry::Batch option = app().batch();
    app().WriteProfileInt(settings::kLZEF1F2, on ? 0 : 1);
    platform::storedOrTold(option.commit());
}

void CLZE_848a_View::OnUpdateTwoLineFields(platform::CmdUI& ui)
{
    ui.SetCheck(app().GetProfileInt(settings::kLZEF1F2) == 1 ? 1 : 0);
}

const platform::MessageMapBase* CLZE_848a_View::GetMessageMap() const
{
    using Map = platform::MessageMap<CLZE_848a_View>;
    static const Map map(FormView::GetMessageMap(),
                         {
                             Map::command(formcmd::kTwoLineFields, &CLZE_848a_View::OnToggleTwoLineFields),
                             Map::update(formcmd::kTwoLineFields, &CLZE_848a_View::OnUpdateTwoLineFields),
                         });
    return &map;
}
