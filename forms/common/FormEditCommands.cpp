#include "forms/common/FormEditCommands.h"

#include "editor/CQeEditWindow.h"
#include "forms/common/FormCommandIds.h"
#include "platform/command/MessageMap.h"
#include "platform/command/StandardCommands.h"
#include "platform/docview/Document.h"

#include <QPlainTextEdit>

using platform::CmdUI;

FormEditCommands::FormEditCommands(CQeEditWindow& editor, platform::Document& document,
                                   std::function<void()> updateStatusPanes)
    : m_editor(editor), m_document(document), m_updateStatusPanes(std::move(updateStatusPanes))
{
}

void FormEditCommands::MarkModified()
{
    m_document.setModifiedFlag(true);
}

void FormEditCommands::OnEditUndo()
{
    if (auto* window = m_editor.LiveWindow()) window->undo();
}

// The entry keeps its name; only whether it can be chosen follows the field.
void FormEditCommands::OnUpdateEditUndo(CmdUI& ui)
{
    ui.Enable(m_editor.CanUndo());
}

void FormEditCommands::OnEditCut()
{
    if (auto* window = m_editor.LiveWindow()) window->cut();
    MarkModified();
}

void FormEditCommands::OnEditCopy()
{
    if (auto* window = m_editor.LiveWindow()) window->copy();
}

void FormEditCommands::OnEditPaste()
{
    m_editor.PasteFromClipboard();
    MarkModified();
}

void FormEditCommands::OnEditSelectAll()
{
    if (auto* window = m_editor.LiveWindow()) {
        window->selectAll();
        window->ensureCursorVisible();
    }
}

void FormEditCommands::OnInsertMode()
{
    m_editor.SetInsertMode(!m_editor.IsInsertMode());
    m_updateStatusPanes();
}

void FormEditCommands::OnUpdateInsertMode(CmdUI& ui)
{
    ui.SetText(m_editor.IsInsertMode() ? QStringLiteral("Einfügemodus ausschalten\tEinfg")
                                       : QStringLiteral("Einfügemodus einschalten\tEinfg"));
    ui.Enable(true);
}

void FormEditCommands::OnFontLarger()
{
    m_editor.IncreaseFontSize();
    MarkModified();
}

void FormEditCommands::OnUpdateFontLarger(CmdUI& ui)
{
    ui.Enable(m_editor.CanIncreaseFontSize());
}

void FormEditCommands::OnFontSmaller()
{
    m_editor.DecreaseFontSize();
    MarkModified();
}

void FormEditCommands::OnUpdateFontSmaller(CmdUI& ui)
{
    ui.Enable(m_editor.CanDecreaseFontSize());
}

void FormEditCommands::OnFontBold()
{
    m_editor.ToggleBold();
    MarkModified();
}

void FormEditCommands::OnUpdateFontBold(CmdUI& ui)
{
    ui.SetCheck(m_editor.IsBold() ? 1 : 0);
}

void FormEditCommands::OnAlignLeft()
{
    m_editor.SetAlignLeft();
    MarkModified();
}

void FormEditCommands::OnUpdateAlignLeft(CmdUI& ui)
{
    ui.SetRadio(m_editor.IsAlignLeft());
}

void FormEditCommands::OnAlignCenter()
{
    m_editor.SetAlignCenter();
    MarkModified();
}

void FormEditCommands::OnUpdateAlignCenter(CmdUI& ui)
{
    ui.SetRadio(m_editor.IsAlignCenter());
}

void FormEditCommands::OnAlignRight()
{
    m_editor.SetAlignRight();
    MarkModified();
}

void FormEditCommands::OnUpdateAlignRight(CmdUI& ui)
{
    ui.SetRadio(m_editor.IsAlignRight());
}

const platform::MessageMapBase* FormEditCommands::GetMessageMap() const
{
    using Map = platform::MessageMap<FormEditCommands>;
    static const Map map(nullptr,
                         {
                             Map::command(platform::ID_EDIT_UNDO, &FormEditCommands::OnEditUndo),
                             Map::update(platform::ID_EDIT_UNDO, &FormEditCommands::OnUpdateEditUndo),
                             Map::command(platform::ID_EDIT_CUT, &FormEditCommands::OnEditCut),
                             Map::command(platform::ID_EDIT_COPY, &FormEditCommands::OnEditCopy),
                             Map::command(platform::ID_EDIT_PASTE, &FormEditCommands::OnEditPaste),
                             Map::command(platform::ID_EDIT_SELECT_ALL, &FormEditCommands::OnEditSelectAll),
                             Map::command(formcmd::kInsertMode, &FormEditCommands::OnInsertMode),
                             Map::update(formcmd::kInsertMode, &FormEditCommands::OnUpdateInsertMode),
                             Map::command(formcmd::kFontLarger, &FormEditCommands::OnFontLarger),
                             Map::update(formcmd::kFontLarger, &FormEditCommands::OnUpdateFontLarger),
                             Map::command(formcmd::kFontSmaller, &FormEditCommands::OnFontSmaller),
                             Map::update(formcmd::kFontSmaller, &FormEditCommands::OnUpdateFontSmaller),
                             Map::command(formcmd::kFontBold, &FormEditCommands::OnFontBold),
                             Map::update(formcmd::kFontBold, &FormEditCommands::OnUpdateFontBold),
                             Map::command(formcmd::kAlignLeft, &FormEditCommands::OnAlignLeft),
                             Map::update(formcmd::kAlignLeft, &FormEditCommands::OnUpdateAlignLeft),
                             Map::command(formcmd::kAlignCenter, &FormEditCommands::OnAlignCenter),
                             Map::update(formcmd::kAlignCenter, &FormEditCommands::OnUpdateAlignCenter),
                             Map::command(formcmd::kAlignRight, &FormEditCommands::OnAlignRight),
                             Map::update(formcmd::kAlignRight, &FormEditCommands::OnUpdateAlignRight),
                         });
    return &map;
}
