#include "forms/eur1/CEUR1_View.h"

#include "app/CQELWinAppEx.h"
#include "editor/CQELEditWindow_EUR1.h"
#include "forms/common/FormCommandIds.h"
#include "forms/eur1/CDlgAdvMarginsEUR.h"
#include "forms/eur1/CDlgDefaults_EUR.h"
#include "forms/eur1/CEUR1_Doc.h"
#include "platform/command/MessageMap.h"
#include "platform/command/StandardCommands.h"

CEUR1_View::CEUR1_View(CQELWinAppEx& app, CEUR1_Doc& document)
    : FormView(app, document,
               std::make_unique<CQELEditWindow_EUR1>([this] { UpdateStatusPanes(); }, &app, app.m_nLanguage))
{
    ReadEdition();
}

void CEUR1_View::ReadEdition()
{
    m_nEURPRN = app().GetProfileInt(settings::kEURPRN);
}

void CEUR1_View::OnFormDefaults()
{
    RunFormDefaultsEUR(app());
}

void CEUR1_View::OnAdvancedPrintPositions()
{
    RunAdvMarginsEUR(app());
}

// The print reads the edition afresh for every rectangle of the back page; the screen follows what it read.
void CEUR1_View::OnFilePrint()
{
    FormView::OnFilePrint();
    ReadEdition();
    viewport()->update();
}

QString CEUR1_View::CaptionText(const FormCaption& caption) const
{
    const QString text = FormView::CaptionText(caption);
    if (!caption.computed) return text;
    return (m_nEURPRN == 1 ? QStringLiteral("L %1") : QStringLiteral("WK %1")).arg(text);
}

const platform::MessageMapBase* CEUR1_View::GetMessageMap() const
{
    using Map = platform::MessageMap<CEUR1_View>;
    static const Map map(
        FormView::GetMessageMap(),
        {
            Map::command(formcmd::kFormDefaults, &CEUR1_View::OnFormDefaults),
            Map::command(formcmd::kAdvancedPrintPositions, &CEUR1_View::OnAdvancedPrintPositions),
            Map::command(platform::ID_FILE_PRINT, &CEUR1_View::OnFilePrint),
        });
    return &map;
}
