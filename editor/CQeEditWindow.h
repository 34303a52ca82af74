#pragma once

#include "editor/EditorContextMenu.h"
#include "editor/EditorFieldModel.h"
#include "editor/EditorFontTable.h"
#include "editor/LiveEditWidget.h"
#include "platform/docview/Document.h"
#include "platform/docview/ScrollView.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/TextMeasures.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <optional>

class SettingsStore;
namespace platform {
class Archive;
class CmdUI;
class Dc;
}  // namespace platform
namespace settings {
struct IntValue;
}

// The field editor of a form view: the text, rectangle and format word of every input field, the one
// live edit window that is moved from field to field, and the fonts with which fields are shown, drawn and
// printed.
//
// Fields are addressed by index and page: page 1 holds the form's fields, pages 2 and up the rows of the
// table, and page 0 stands for the current page. An index or page that does not exist gets a neutral answer
// (0, size 64, an empty text, -1 from rectangle setters and Activate) and changes nothing.
//
// The text being typed lives in the live window; the field it stands on gets it when Activate moves on.
// Rectangles of fields and columns are device pixels of the view's unscrolled page, y downwards.
class CQeEditWindow : protected LiveEditWidget::Owner {
public:
    using Rect = EditorFieldModel::Rect;

    // The print-area factors of a print job in per mille: 1000 prints every rectangle where it is.
    struct PrintArea {
        int vertical = 1000;
        int horizontal = 1000;
        friend bool operator==(const PrintArea&, const PrintArea&) = default;
    };

    // A field's box on paper in 0.1 mm, before the print-area scaling.
    struct PaperBox {
        int width = 0;
        int height = 0;
        friend bool operator==(const PaperBox&, const PaperBox&) = default;
    };
    // Where the texts land on paper, by which every field's text breaks into lines: the lines it prints in,
    // in the printer font of its size at `printerFontFactor` percent, across its box as `area` scales it.
    // The live window takes the same lines, and so does the view that draws the field. A field without a box
    // breaks where it is drawn.
    struct Paper {
        int printerFontFactor = 100;  // percent
        PrintArea area;
        QList<PaperBox> fields;   // by page-1 field
        QList<PaperBox> columns;  // by table column
        friend bool operator==(const Paper&, const Paper&) = default;
    };

    using ContextMenuItem = EditorContextMenu::Item;
    static constexpr int kMostContextMenuItems = EditorContextMenu::kMostItems;
    static constexpr std::uint32_t kMenuSeparator = EditorContextMenu::kSeparator;
    static constexpr std::uint16_t kUnknownFontSize = 64;
    static constexpr const char* kNotImplementedText = "Funktion nicht implementiert!";

    // The heights of the "Font" section come from `settings`; without a store every value is its default.
    // `language` is the application's language index (0 German, 1 English), which names the undo command.
    explicit CQeEditWindow(const SettingsStore* settings = nullptr, int language = 0);
    virtual ~CQeEditWindow();
    CQeEditWindow(const CQeEditWindow&) = delete;
    CQeEditWindow& operator=(const CQeEditWindow&) = delete;

    // Counts, pages and rectangles.
    void SetFieldCounts(std::uint16_t lines, std::uint16_t columns, bool initialise);
    // Grows the counts keeping every text and format word at its field and table row; false, changing
    // nothing, when either count would shrink.
    bool ResizeFields(std::uint16_t lines, std::uint16_t columns);
    std::uint16_t GetLineCount() const { return m_model.lineCount; }
    std::uint16_t GetColumnCount() const { return m_model.columnCount; }
    std::uint16_t GetMode() const { return m_model.mode & EditorFieldModel::kModeKindMask; }
    std::uint16_t GetPageCount() const { return m_model.PageCount(); }
    std::uint16_t GetCurrentPage() const { return m_nCurrentPage; }
    std::uint16_t GetCurrentField() const { return m_nCurrentField; }
    // Gives the table `rows` rows (at most 254); the cells of the rows added get `flags`.
    void SetTableRows(std::uint16_t rows, std::uint16_t flags);
    // Without a table: turns the page-1 fields into the columns of a one-row table (rectangles and format
    // words, not texts). With a table: adds a row.
    void LinesToColumns();
    // Removes a table page, moving the later rows up (texts and format words); removing page 1 moves the
    // first row into the page-1 fields. 0, or -1 when there is no such page to remove.
    int RemovePage(std::uint16_t page);
    // Inserts an empty page-1 field before `field` (or after the last one when `field` is the count).
    void InsertLine(std::uint16_t field, std::uint16_t page);
    void DeleteLine(std::uint16_t field, std::uint16_t page);
    int SetLineRect(std::uint16_t field, const Rect& rect);
    int SetLineRectLTRB(std::uint16_t field, int left, int top, int right, int bottom);
    int GetLineRect(std::uint16_t field, Rect& rect) const;
    int SetColumnRect(std::uint16_t column, const Rect& rect);
    int SetColumnRectLTRB(std::uint16_t column, int left, int top, int right, int bottom);
    // One edge of a field's or a column's rectangle; 0 when there is none.
    std::uint16_t GetLineLeft(std::uint16_t field) const
    {
        return EdgeOf(m_model.LineRect(field), &Rect::left);
    }
    std::uint16_t GetLineTop(std::uint16_t field) const
    {
        return EdgeOf(m_model.LineRect(field), &Rect::top);
    }
    std::uint16_t GetLineRight(std::uint16_t field) const
    {
        return EdgeOf(m_model.LineRect(field), &Rect::right);
    }
    std::uint16_t GetLineBottom(std::uint16_t field) const
    {
        return EdgeOf(m_model.LineRect(field), &Rect::bottom);
    }
    std::uint16_t GetColumnLeft(std::uint16_t column) const
    {
        return EdgeOf(m_model.ColumnRect(column), &Rect::left);
    }
    std::uint16_t GetColumnTop(std::uint16_t column) const
    {
        return EdgeOf(m_model.ColumnRect(column), &Rect::top);
    }
    std::uint16_t GetColumnRight(std::uint16_t column) const
    {
        return EdgeOf(m_model.ColumnRect(column), &Rect::right);
    }
    std::uint16_t GetColumnBottom(std::uint16_t column) const
    {
        return EdgeOf(m_model.ColumnRect(column), &Rect::bottom);
    }

    // Format words. "Current" is the current field on the current page.
    std::uint16_t GetFieldFlags(std::uint16_t field, std::uint16_t page) const;
    void SetFieldFlags(std::uint16_t field, std::uint16_t page, std::uint16_t flags);
    std::uint16_t GetFontSize(std::uint16_t field, std::uint16_t page) const;
    // Replaces size and bold by `size` (0 to 15). Takes page 1 or a table page; page 0 is not the current
    // page here.
    void SetFontSize(std::uint16_t field, std::uint16_t page, std::uint16_t size);
    void IncreaseFontSize();
    void DecreaseFontSize();
    bool CanIncreaseFontSize() const;
    bool CanDecreaseFontSize() const;
    bool IsFieldBold(std::uint16_t field, std::uint16_t page) const;
    bool IsBold() const { return IsFieldBold(m_nCurrentField, 0); }
    void ToggleBold();
    void SetBold() { SetFieldBold(m_nCurrentField, 0); }
    void ClearBold() { ClearFieldBold(m_nCurrentField, 0); }
    void SetFieldBold(std::uint16_t field, std::uint16_t page);
    void ClearFieldBold(std::uint16_t field, std::uint16_t page);
    std::uint16_t GetAlignment(std::uint16_t field, std::uint16_t page) const;
    void ResetFieldAlignment(std::uint16_t field, std::uint16_t page);
    void SetFieldAlignLeft(std::uint16_t field, std::uint16_t page);
    void SetFieldAlignCenter(std::uint16_t field, std::uint16_t page);
    void SetFieldAlignRight(std::uint16_t field, std::uint16_t page);
    void SetAlignLeft() { SetFieldAlignLeft(m_nCurrentField, 0); }
    void SetAlignCenter() { SetFieldAlignCenter(m_nCurrentField, 0); }
    void SetAlignRight() { SetFieldAlignRight(m_nCurrentField, 0); }
    bool IsAlignLeft() const { return GetAlignment(m_nCurrentField, 0) == EditorFieldModel::kAlignLeft; }
    bool IsAlignCenter() const { return GetAlignment(m_nCurrentField, 0) == EditorFieldModel::kAlignCenter; }
    bool IsAlignRight() const { return GetAlignment(m_nCurrentField, 0) == EditorFieldModel::kAlignRight; }

    // Texts (CR LF line ends), insert mode, context menu items.
    QString GetFieldText(std::uint16_t field, std::uint16_t page) const;
    void SetFieldText(std::uint16_t field, const QString& text, std::uint16_t page);
    // Commits the text being typed, then gives the current field's text.
    QString GetCurrentText();
    // Stores the text being typed into the field the live window stands on; the window, its caret and the
    // current field stay as they are. Saving, printing and GetCurrentText commit through it.
    void CommitTypedText();
    // Stores the text into the current field and shows it in the live window.
    void SetCurrentText(const QString& text);
    qsizetype GetFieldTextLength(std::uint16_t field, std::uint16_t page) const;
    // Insert mode types before the next character; overwrite mode replaces it.
    void SetInsertMode(bool insert);
    bool IsInsertMode() const { return m_nInsertMode != 0; }
    // False when all 25 items exist. A separator gets id 0 and no text.
    bool AddContextMenuItem(std::uint32_t flags, std::uint32_t id, const QString& text);
    const QList<ContextMenuItem>& GetContextMenuItems() const { return m_contextMenu.Items(); }

    // Moves the editor onto a field. 0, or -1 when the page holds no such field; then nothing changes.
    // The live window's text goes into the field it stood on, and the window then shows the new field at
    // its rectangle, alignment and font, with the keyboard focus.
    virtual int Activate(std::uint16_t field, std::uint16_t page);

    // Stores or loads the editor's block of a form file. A load that throws platform::ArchiveException
    // leaves the editor as it was.
    void Serialize(platform::Archive& archive);

    // ---- the live window

    // Creates the live window in `view`, showing no field yet, and remembers the document that every change
    // the user makes marks modified. A context menu id other than 0 is the application's menu that a
    // right click shows; with 0 the editor's own items are shown. An editor without fields gets one.
    virtual bool CreateEditor(platform::ScrollView* view, int controlId, platform::Document* document,
                              int contextMenuId);
    // CreateEditor with colours, then the fonts for `dc` and `zoom`.
    virtual bool CreateEditorEx(platform::ScrollView* view, int controlId, platform::Document* document,
                                int contextMenuId, const platform::Dc& dc, int zoom,
                                platform::ColorRef textColor, platform::ColorRef backgroundColor);
    // Null until CreateEditor; the view's edit commands (undo, cut, copy, select all, focus) act on it.
    QPlainTextEdit* LiveWindow() const { return m_window; }
    int GetControlId() const { return m_nControlId; }
    // The program's own change of the live window's text (CR LF line ends); it marks nothing modified.
    void SetWindowText(const QString& text);
    // Scrolls the view until the live window lies inside it.
    void EnsureVisible();
    void SetColors(platform::ColorRef textColor, platform::ColorRef backgroundColor);
    void SetTextColor(platform::ColorRef color);
    void SetBkColor(platform::ColorRef color);
    // Pastes the clipboard's text at the caret, made fit for a field (see NormalizePastedText).
    void PasteFromClipboard();
    // Puts the caret after the live window's last character and scrolls it into sight.
    void MoveCaretToEnd();
    // Whether the live window can take an edit back.
    bool CanUndo() const;
    // The undo command is enabled, and named so, when the live window can take an edit back.
    void UpdateUndoCommand(platform::CmdUI& ui) const;

    // ---- fonts, drawing and printing

    // The edit-window and display fonts for the view's device context at `zoom`, from the "Font" section.
    void CreateFonts(const platform::Dc& dc, int zoom);
    // The printer fonts from the "Font" section scaled by `factor` percent.
    void CreatePrinterFonts(int factor);
    // The paper the form prints on, with the printer fonts at its factor; the live window and the view break
    // their lines anew when that changes them.
    void SetPaper(const Paper& paper);
    // Sets the font at an index of EditorFontTable::kEditIndices or kPrinterIndices, regular or bold as the
    // index says; other indices are ignored.
    void DefineFont(std::uint16_t index, platform::Font font);
    // The old way to set a font: warns the developer, then defines the regular and the bold font.
    void SetFont(std::uint16_t index, const platform::Font& font);
    const EditorFontTable& GetFontTable() const { return m_fonts; }
    // Draws a field's stored text into `rect` (logical units of the view) with the display fonts; the inset
    // of its alignment is applied to `rect`. False, drawing nothing, before the live window exists.
    bool PaintField(platform::Dc& dc, platform::Rect& rect, std::uint16_t field, std::uint16_t page,
                    bool singleLine);
    // Prints a field's stored text into `rect` (0.1 mm of the printer, y upwards) with the printer fonts,
    // scaled toward the printer's logical origin by the print-area factors `area` of the job. Gives the
    // height the text took, as the device context reports it.
    int PrintField(platform::Dc& dc, const platform::Rect& rect, std::uint16_t field, std::uint16_t page,
                   bool singleLine, PrintArea area);
    // A print rectangle as PrintField places its text: scaled toward the printer's logical origin by `area`,
    // truncated toward zero.
    static platform::Rect ScaledToPrintArea(const platform::Rect& rect, PrintArea area);

protected:
    // Tells the user that the table rows cannot take an inserted or deleted line.
    virtual void ShowNotImplemented();

    // The live window's keys: Insert alone switches between insert and overwrite mode; every other key is
    // the window's own.
    void OnKeyDown(QKeyEvent* event) override;
    void OnMouseWheel(QWheelEvent* event) override;
    void OnContextMenu(QPoint globalPos) override;
    void OnTextEdited() override;
    static bool IsInsertKey(const QKeyEvent* event);

    platform::ScrollView* GetParentView() const { return m_pParentView; }
    LiveEditWidget* GetLiveWidget() const { return m_window; }

    // 1 once the live window and its fonts exist.
    std::uint8_t m_bCreated = 0;

private:
    std::uint16_t ResolvePage(std::uint16_t page) const { return page == 0 ? m_nCurrentPage : page; }
    static std::uint16_t EdgeOf(const Rect* rect, int Rect::*edge)
    {
        return rect ? static_cast<std::uint16_t>(rect->*edge) : 0;
    }
    std::optional<EditorFieldModel::Slot> SlotOf(std::uint16_t field, std::uint16_t page) const;
    bool IsCurrent(std::uint16_t field, std::uint16_t page) const;
    std::uint16_t* FlagsOf(std::uint16_t field, std::uint16_t page);
    std::uint16_t CurrentSize() const;
    void SetFieldAlignment(std::uint16_t field, std::uint16_t page, std::uint16_t alignment);
    void ReactivateCurrent() { Activate(m_nCurrentField, m_nCurrentPage); }
    void LeaveRemovedPage(std::uint16_t page);
    void LeaveDeletedLine(std::uint16_t field);
    // Puts the live window onto the current field; with `textShown` it holds that field's text already.
    void ShowCurrentField(bool textShown = false);
    const Rect* RectOf(std::uint16_t field, std::uint16_t page) const;
    void RepaintDrawnText(std::uint16_t field, std::uint16_t page);
    const platform::Font& PrinterFontOf(std::uint16_t field, std::uint16_t page) const;
    const PaperBox* PaperBoxOf(std::uint16_t field, std::uint16_t page) const;
    // How a field's text breaks into lines: as it prints across its box on paper scaled by `horizontalArea`;
    // nothing for a field without a box.
    std::optional<platform::LineBreaking> PaperBreaking(std::uint16_t field, std::uint16_t page,
                                                        int horizontalArea) const;
    // How many lines of its printer font a field's box holds on paper; all of them without a box.
    qsizetype PaperLinesHeld(std::uint16_t field, std::uint16_t page) const;
    void BreakWindowAsOnPaper();
    int ProfileInt(const settings::IntValue& value) const;

    const SettingsStore* m_settings;
    const int m_nLanguage;
    QPointer<platform::ScrollView> m_pParentView;
    QPointer<platform::Document> m_pDocument;
    QPointer<LiveEditWidget> m_window;
    // Whether the live window shows the current field's text; a window just made shows no field's.
    bool m_bHoldsField = false;
    int m_nControlId = 0;
    platform::ColorRef m_crText = 0;
    platform::ColorRef m_crBackground = 0xFFFFFF;
    EditorFontTable m_fonts;
    Paper m_paper;
    // Device pixels per logical unit of the view, for the text insets of the live window.
    double m_dPixelsPerUnit = 0;
    EditorFieldModel m_model;
    std::uint16_t m_nCurrentField = 0;
    std::uint16_t m_nCurrentPage = 1;
    int m_nInsertMode = 1;
    EditorContextMenu m_contextMenu;
};
