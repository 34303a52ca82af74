#include "app/CMainFrame.h"

#include "app/AppCommandIds.h"
#include "app/CQELWinAppEx.h"
#include "app/SettingsKeys.h"
#include "platform/command/AcceleratorFilter.h"
#include "platform/command/CommandActions.h"
#include "platform/command/MessageMap.h"
#include "platform/command/Resources.h"
#include "platform/command/StandardCommands.h"
#include "platform/command/ToolbarButtonDrag.h"
#include "platform/command/ToolbarCustomizeDialog.h"
#include "platform/command/Toolbars.h"
#include "platform/dialog/UiService.h"
#include "platform/docview/ChildFrame.h"
#include "platform/docview/WindowsDialog.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>

namespace {

// Strings of the resources the frame shows.
constexpr int kIdleMessage = 57345;
constexpr int kAppTitle = 57344;
constexpr int kStandardToolbarName = 124;
constexpr int kCustomizeText = 125;
constexpr int kWindowsDialogText = 129;
constexpr int kStatusPaneWidths[3] = {0, 200, 80};

QString base64Of(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

QByteArray fromBase64(const QString& text)
{
    return QByteArray::fromBase64(text.toLatin1());
}

}  // namespace

const QString CMainFrame::kPrinterNotFoundMessage =
    QStringLiteral("Der Drucker %s konnte nicht gefunden werden.\nEs wird der Standarddrucker verwendet.");

CMainFrame::CMainFrame(CQELWinAppEx& app, const platform::Resources& resources)
    : m_app(app),
      m_resources(resources),
      m_actions(new platform::CommandActions(resources, *this, this)),
      m_toolbars(new platform::Toolbars(*this, *m_actions))
{
    setApplicationTarget(&app);
    setAcceptDrops(true);
    connect(this, &MdiFrame::activeChildChanged, this, [this](platform::ChildFrame* active) {
        ShowMenuForActiveDocument();
        if (!active) {
            SetStatusPaneText({}, 1);
            SetStatusPaneText({}, 2);
        }
        UpdateTitle();
        PlaceDocumentMenuButton();
    });
    connect(m_actions, &platform::CommandActions::menuAboutToShow, this, [this](QMenu* menu) {
        FillRecentFiles(*menu);
        FillToolbarList(*menu);
    });
}

CMainFrame::~CMainFrame()
{
    mdiArea()->removeEventFilter(this);
}

const platform::MessageMapBase* CMainFrame::GetMessageMap() const
{
    using Map = platform::MessageMap<CMainFrame>;
    static const Map map(nullptr,
                         {
                             Map::command(platform::ID_WINDOW_MANAGER, &CMainFrame::OnWindowManager),
                             Map::command(platform::ID_VIEW_CUSTOMIZE, &CMainFrame::OnViewCustomize),
                             Map::command(platform::ID_VIEW_STATUS_BAR, &CMainFrame::OnViewStatusBar),
                             Map::update(platform::ID_VIEW_STATUS_BAR, &CMainFrame::OnUpdateViewStatusBar),
                         });
    return &map;
}

bool CMainFrame::LoadFrame(int nIDResource, int toolbarId, const SettingsStore& settings)
{
    const QList<platform::Accelerator>* accelerators = m_resources.accelerators(kAcceleratorTable);
    const QList<int>* toolbar = m_resources.toolbar(toolbarId);
    if (!m_resources.menu(nIDResource) || !accelerators || !toolbar) return false;

    setWindowIcon(QIcon(QStringLiteral(":/icons/kalvenport-zuzaza.svg")));
    ShowMenu(nIDResource);
    m_toolbarResource = toolbarId;
    m_toolbars->addResourceToolbar(toolbarId, m_resources.string(kStandardToolbarName), *toolbar);
    new platform::ToolbarButtonDrag(*m_toolbars);  // kept by the toolbars
    // The toolbar editor's entry in the toolbars' menus, which its prompt alone would name "Anpassen".
    m_actions->setMenuText(platform::ID_VIEW_CUSTOMIZE, m_resources.string(kCustomizeText));
    CreateStatusBar();
    CreateDocumentMenuButton();
    m_accelerators =
        new platform::AcceleratorFilter(this, *accelerators, [this](int id) { ExecuteCommand(id); });
    RestoreWorkspace(settings);
    UpdateTitle();
    // Like the framework when it is idle: the toolbars and the title follow the commands' state.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &CMainFrame::UpdateCommandStates);
    return true;
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    for (int pane = 0; pane < 3; ++pane) {
        m_panes[pane] = new QLabel(this);
        m_panes[pane]->setMinimumWidth(kStatusPaneWidths[pane]);
        if (pane == 0) {
            bar->addWidget(m_panes[pane], 1);
        } else {
            bar->addPermanentWidget(m_panes[pane]);
        }
    }
    m_panes[0]->setText(m_resources.string(kIdleMessage));
}

void CMainFrame::SetStatusPaneText(const QString& text, int pane)
{
    if (pane < 0 || pane > 2 || !m_panes[pane]) return;
    m_panes[pane]->setText(text);
    m_panes[pane]->repaint();
}

QString CMainFrame::statusPaneText(int pane) const
{
    return pane >= 0 && pane <= 2 && m_panes[pane] ? m_panes[pane]->text() : QString();
}

std::optional<platform::PrinterDevice> CMainFrame::GetPrinterDevice(const QString& printerName) const
{
    return platform::AppPrinter::deviceOf(printerName);
}

void CMainFrame::SelectPrinterByName(const QString& printerName)
{
    if (GetPrinterDevice(printerName) && m_app.m_printer.select(printerName)) return;
    QString message = kPrinterNotFoundMessage;
    message.replace(QStringLiteral("%s"), printerName);
    platform::UiService::instance().messageBox({m_resources.string(kAppTitle), message});
}

void CMainFrame::ShowMenuForActiveDocument()
{
    const platform::ChildFrame* active = MDIGetActive();
    const platform::DocTemplate* docTemplate = active ? active->docTemplate() : nullptr;
    ShowMenu(docTemplate ? docTemplate->resourceId() : kNoDocumentMenu);
}

void CMainFrame::ShowMenu(int menuId)
{
    // A kind of document without a menu of its own keeps the menu of no document.
    if (!m_resources.menu(menuId)) menuId = kNoDocumentMenu;
    if (menuId == m_currentMenu) return;
    if (!m_menus.contains(menuId)) {
        const QList<platform::MenuEntry>* menu = m_resources.menu(menuId);
        m_menus.insert(menuId, menu ? m_actions->buildMenus(*menu, this) : QList<QMenu*>());
    }
    menuBar()->clear();
    for (QMenu* menu : m_menus.value(menuId)) menuBar()->addMenu(menu);
    m_currentMenu = menuId;
}

void CMainFrame::FillRecentFiles(QMenu& menu)
{
    QAction* placeholder = m_actions->action(platform::ID_FILE_MRU_FILE1);
    if (!menu.actions().contains(placeholder)) return;
    for (QAction* action : std::as_const(m_recentFileActions)) {
        menu.removeAction(action);
        action->deleteLater();
    }
    m_recentFileActions.clear();
    const platform::RecentFileList& files = m_app.m_recentFileList;
    placeholder->setVisible(files.entries().isEmpty());
    for (int index = 0; index < files.entries().size(); ++index) {
        auto* action = new QAction(files.menuText(index), &menu);
        action->setStatusTip(m_resources.string(platform::ID_FILE_MRU_FILE1).section(u'\n', 0, 0));
        const int id = platform::ID_FILE_MRU_FILE1 + index;
        connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
        menu.insertAction(placeholder, action);
        m_recentFileActions.append(action);
    }
}

void CMainFrame::FillToolbarList(QMenu& menu)
{
    QAction* placeholder = m_actions->action(platform::ID_VIEW_TOOLBAR);
    if (!menu.actions().contains(placeholder)) return;
    // The placeholder stands for the list of the toolbars as they are now.
    placeholder->setVisible(false);
    for (QAction* action : menu.actions()) {
        if (action == placeholder) continue;
        menu.removeAction(action);
        if (action->parent() == &menu) delete action;
    }
    FillPaneMenu(menu);
}

QMenu* CMainFrame::createPopupMenu()
{
    auto* menu = new QMenu(this);
    FillPaneMenu(*menu);
    return menu;
}

void CMainFrame::FillPaneMenu(QMenu& menu)
{
    for (QToolBar* toolbar : m_toolbars->toolbars()) menu.addAction(toolbar->toggleViewAction());
    menu.addSeparator();
    menu.addAction(m_actions->action(platform::ID_VIEW_CUSTOMIZE));
}

void CMainFrame::CreateDocumentMenuButton()
{
    m_documentMenuButton = new QToolButton(mdiArea());
    m_documentMenuButton->setArrowType(Qt::DownArrow);
    m_documentMenuButton->setAutoRaise(true);
    m_documentMenuButton->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(m_documentMenuButton);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillDocumentMenu(*menu); });
    m_documentMenuButton->setMenu(menu);
    mdiArea()->installEventFilter(this);
    PlaceDocumentMenuButton();
}

void CMainFrame::PlaceDocumentMenuButton()
{
    if (!m_documentMenuButton) return;
    // The menu of the open documents sits at the right end of the tabs and goes with them.
    const QTabBar* tabs = mdiArea()->findChild<QTabBar*>();
    const bool shown = !childFrames().isEmpty();
    const int height = tabs && tabs->isVisible() ? tabs->height() : m_documentMenuButton->sizeHint().height();
    m_documentMenuButton->setGeometry(mdiArea()->width() - height, 0, height, height);
    m_documentMenuButton->setVisible(shown);
    m_documentMenuButton->raise();
}

void CMainFrame::FillDocumentMenu(QMenu& menu)
{
    menu.clear();
    for (platform::ChildFrame* frame : childFrames()) {
        QAction* action = menu.addAction(frame->windowTitle());
        action->setCheckable(true);
        action->setChecked(frame == MDIGetActive());
        connect(action, &QAction::triggered, this, [this, frame = QPointer(frame)] {
            if (frame) MDIActivate(frame);
        });
    }
    menu.addSeparator();
    QAction* windows = menu.addAction(m_resources.string(kWindowsDialogText));
    connect(windows, &QAction::triggered, this, [this] { ExecuteCommand(platform::ID_WINDOW_MANAGER); });
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mdiArea() && event->type() == QEvent::Resize) PlaceDocumentMenuButton();
    return MdiFrame::eventFilter(watched, event);
}

void CMainFrame::UpdateCommandStates()
{
    for (QToolBar* toolbar : m_toolbars->toolbars()) {
        if (toolbar->isVisible()) m_actions->updateActions(toolbar->actions());
    }
    UpdateTitle();
}

void CMainFrame::UpdateTitle()
{
    const platform::ChildFrame* active = MDIGetActive();
    const QString appTitle = m_resources.string(kAppTitle);
    setWindowTitle(active ? appTitle + QStringLiteral(" - ") + active->windowTitle() : appTitle);
}

void CMainFrame::OnWindowManager()
{
    auto* dialog = new platform::WindowsDialog(*this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

QList<int> CMainFrame::CustomizableCommands() const
{
    QList<int> commands;
    const auto offer = [&commands](int id) {
        if (id != 0 && id != platform::ID_FILE_MRU_FILE1 && id != platform::ID_VIEW_TOOLBAR &&
            !commands.contains(id))
            commands.append(id);
    };
    for (int id : m_resources.menuCommands()) offer(id);
    if (const QList<int>* toolbar = m_resources.toolbar(m_toolbarResource)) {
        for (int id : *toolbar) offer(id);
    }
    offer(AppCommandIds::kWebUpdate);
    return commands;
}

void CMainFrame::OnViewCustomize()
{
    auto* dialog =
        new platform::ToolbarCustomizeDialog(*m_toolbars, *m_actions, CustomizableCommands(), this);
    dialog->show();
}

void CMainFrame::OnViewStatusBar()
{
    statusBar()->setVisible(statusBar()->isHidden());
}

void CMainFrame::OnUpdateViewStatusBar(platform::CmdUI& ui)
{
    ui.SetCheck(statusBar()->isHidden() ? 0 : 1);
}

void CMainFrame::SaveWorkspace(SettingsStore& settings) const
{
    settings.DeleteKey(settings::kWorkspaceSection);
    settings.WriteProfileString(settings::kWindowState, base64Of(saveState()));
    // The window starts maximized; one that still is, at the size it would go back to when it first showed,
    // has kept the stored geometry.
    const bool unchanged =
        !m_storedGeometry.isEmpty() && isMaximized() && normalGeometry() == m_shownNormalGeometry;
    settings.WriteProfileString(settings::kWindowGeometry,
                                base64Of(unchanged ? m_storedGeometry : saveGeometry()));
    settings.WriteProfileInt(settings::kStatusBarShown, statusBar()->isHidden() ? 0 : 1);
    for (QToolBar* toolbar : m_toolbars->toolbars()) {
        const QString buttons = platform::Toolbars::buttonsText(m_toolbars->buttons(*toolbar));
        if (!m_toolbars->isUserToolbar(*toolbar)) {
            if (m_toolbars->isChanged(*toolbar))
                settings.WriteProfileString(settings::kStandardToolbarButtons, buttons);
            continue;
        }
        const QString section =
            settings::kUserToolbarSectionPrefix.toString() + QString::number(m_toolbars->idOf(*toolbar));
        settings.WriteProfileString(settings::kUserToolbarName.in(section), toolbar->windowTitle());
        settings.WriteProfileString(settings::kUserToolbarButtons.in(section), buttons);
    }
}

void CMainFrame::RestoreWorkspace(const SettingsStore& settings)
{
    const QList<int> offered = CustomizableCommands();
    const QList<int> standard = platform::Toolbars::buttonsFromText(
        settings.GetProfileString(settings::kStandardToolbarButtons), offered);
    QToolBar* standardToolbar = m_toolbars->findById(m_toolbarResource);
    // A value with no button left in it is no change: the toolbar keeps the buttons of the resources.
    if (!standard.isEmpty() && standardToolbar) m_toolbars->setButtons(*standardToolbar, standard);
    for (int id = platform::ID_USER_TOOLBAR_FIRST; id <= platform::ID_USER_TOOLBAR_LAST; ++id) {
        const QString section = settings::kUserToolbarSectionPrefix.toString() + QString::number(id);
        const QString name = settings.GetProfileString(settings::kUserToolbarName.in(section));
        if (name.isEmpty()) continue;
        if (QToolBar* toolbar = m_toolbars->createUserToolbar(name, id)) {
            const QString buttons = settings.GetProfileString(settings::kUserToolbarButtons.in(section));
            m_toolbars->setButtons(*toolbar, platform::Toolbars::buttonsFromText(buttons, offered));
        }
    }
    statusBar()->setVisible(settings.GetProfileInt(settings::kStatusBarShown) != 0);
    m_storedGeometry = fromBase64(settings.GetProfileString(settings::kWindowGeometry));
    restoreGeometry(m_storedGeometry);
    restoreState(fromBase64(settings.GetProfileString(settings::kWindowState)));
}

void CMainFrame::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        m_shownNormalGeometry = normalGeometry();
    }
    MdiFrame::showEvent(event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_app.m_docManager.SaveAllModified()) {
        event->ignore();
        return;
    }
    m_app.m_docManager.CloseAllDocuments();
    MdiFrame::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    activateWindow();
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) m_app.OpenDocumentFile(url.toLocalFile());
    }
    event->acceptProposedAction();
}
