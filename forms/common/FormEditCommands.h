#pragma once

#include "platform/command/CommandTarget.h"

#include <functional>

class CQeEditWindow;
namespace platform {
class Document;
}

// The edit, insert-mode, font and alignment commands of a form view, acting on the field being edited. The
// view offers them every command its own handlers leave. A command that changes the form marks the
// document modified.
class FormEditCommands : public platform::CommandTarget {
public:
    // `updateStatusPanes` is the view's; the insert-mode command changes what pane 2 shows.
    FormEditCommands(CQeEditWindow& editor, platform::Document& document,
                     std::function<void()> updateStatusPanes);

    void OnEditUndo();
    void OnUpdateEditUndo(platform::CmdUI& ui);
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditSelectAll();
    void OnInsertMode();
    void OnUpdateInsertMode(platform::CmdUI& ui);
    void OnFontLarger();
    void OnUpdateFontLarger(platform::CmdUI& ui);
    void OnFontSmaller();
    void OnUpdateFontSmaller(platform::CmdUI& ui);
    void OnFontBold();
    void OnUpdateFontBold(platform::CmdUI& ui);
    void OnAlignLeft();
    void OnUpdateAlignLeft(platform::CmdUI& ui);
    void OnAlignCenter();
    void OnUpdateAlignCenter(platform::CmdUI& ui);
    void OnAlignRight();
    void OnUpdateAlignRight(platform::CmdUI& ui);

protected:
    const platform::MessageMapBase* GetMessageMap() const override;

private:
    void MarkModified();

    CQeEditWindow& m_editor;
    platform::Document& m_document;
    std::function<void()> m_updateStatusPanes;
};
