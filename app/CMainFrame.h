#pragma once

#include "platform/docview/MdiFrame.h"
#include "platform/print/AppPrinter.h"

#include <QHash>
#include <QList>
#include <optional>

class CQELWinAppEx;
class QLabel;
class QMenu;
class QToolButton;
class SettingsStore;

namespace platform {
class AcceleratorFilter;
class CmdUI;
class CommandActions;
class Resources;
class Toolbars;
}  // namespace platform

// The program's main window: the forms as tabs, the menu bar with menu 128 while no form is open and the
// active form's menu otherwise, the toolbar "Standard" and the user's own toolbars, a status bar of three
// panes, accelerator table 128, the windows dialog and the toolbar editor; toolbar buttons move with the Alt
// key held down. Files dropped on it are opened like File Open. Forms write their status panes through it and
// have their saved printer made the application's printer before they print.
class CMainFrame : public platform::MdiFrame {
    Q_OBJECT

public:
    static constexpr int kNoDocumentMenu = 128;
    static constexpr int kAcceleratorTable = 128;
    static const QString kPrinterNotFoundMessage;  // %s is the printer's name

    CMainFrame(CQELWinAppEx& app, const platform::Resources& resources);
    ~CMainFrame() override;

    // Builds the window from resource `nIDResource` (menu, accelerators, icon) with toolbar `toolbarId`, and
    // puts back the workspace saved in `settings`. False when a resource is missing.
    bool LoadFrame(int nIDResource, int toolbarId, const SettingsStore& settings);

    // Pane 0 is the message pane, panes 1 and 2 carry what the forms write.
    virtual void SetStatusPaneText(const QString& text, int pane);
    QString statusPaneText(int pane) const;
    virtual std::optional<platform::PrinterDevice> GetPrinterDevice(const QString& printerName) const;
    // Makes the named printer the application's printer; an unknown name leaves it as it was and says so.
    virtual void SelectPrinterByName(const QString& printerName);

    // Where the bars stand, the window's place and every toolbar's buttons, into "Workspace".
    void SaveWorkspace(SettingsStore& settings) const;

    platform::CommandActions& commandActions() const { return *m_actions; }
    platform::Toolbars& toolbars() const { return *m_toolbars; }
    // The menu resource the menu bar shows.
    int currentMenuId() const { return m_currentMenu; }
    // The menu of the active document's kind, or menu 128 without one.
    void ShowMenuForActiveDocument();
    // Takes every command's state from the handlers, as the frame does when it is idle.
    void UpdateCommandStates();

    void OnWindowManager();
    void OnViewCustomize();
    void OnViewStatusBar();
    void OnUpdateViewStatusBar(platform::CmdUI& ui);

    QMenu* createPopupMenu() override;

protected:
    const platform::MessageMapBase* GetMessageMap() const override;

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's geometry as the workspace stored it, and the size it goes back to from maximized as it
    // first showed: a window nobody sized since keeps the stored geometry, which the round trip through the
    // window system may have shifted by its frame, so that a start that changed nothing stores nothing.
    QByteArray m_storedGeometry;
    QRect m_shownNormalGeometry;
    bool m_shown = false;
    void CreateStatusBar();
    void CreateDocumentMenuButton();
    void PlaceDocumentMenuButton();
    void FillDocumentMenu(QMenu& menu);
    void ShowMenu(int menuId);
    void FillRecentFiles(QMenu& menu);
    void FillToolbarList(QMenu& menu);
    // The toolbars to show or hide, and the toolbar editor.
    void FillPaneMenu(QMenu& menu);
    void RestoreWorkspace(const SettingsStore& settings);
    void UpdateTitle();
    QList<int> CustomizableCommands() const;

    CQELWinAppEx& m_app;
    const platform::Resources& m_resources;
    platform::CommandActions* m_actions;
    platform::Toolbars* m_toolbars;
    platform::AcceleratorFilter* m_accelerators = nullptr;
    QHash<int, QList<QMenu*>> m_menus;
    int m_currentMenu = 0;
    int m_toolbarResource = 0;
    QLabel* m_panes[3] = {};
    QToolButton* m_documentMenuButton = nullptr;
    QList<QAction*> m_recentFileActions;
};
