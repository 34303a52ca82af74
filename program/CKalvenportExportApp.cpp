#include "program/CKalvenportExportApp.h"

#include "app/AfterFirstPaint.h"
#include "app/AppCommandIds.h"
#include "app/AppCursors.h"
#include "app/CChildFrame.h"
#include "app/CSplashWnd.h"
#include "app/HelpContextIds.h"
#include "app/ShellFileTypes.h"
#include "forms/FormTemplates.h"
#include "forms/atr/CDlgDefaults_ATR.h"
#include "forms/common/CDlgNew.h"
#include "forms/eur1/CDlgDefaults_EUR.h"
#include "forms/print/CDlgPrinterFontSize.h"
#include "forms/print/Common_CDlgPrintSizeCorr.h"
#include "forms/uz/CDlgDefaults_UZ.h"
#include "platform/command/MessageMap.h"
#include "platform/command/StandardCommands.h"
#include "platform/dialog/HelpContext.h"
#include "platform/dialog/UiService.h"
#include "platform/menu/ContextMenus.h"
#include "support/CAboutDlg.h"
#include "support/Common_DlgInternalInfo.h"
#include "support/Common_DlgWebUpdateD.h"
#include "version.h"

#include <QApplication>
#include <QDebug>

namespace {

constexpr int kEditContextMenu = 119;
constexpr int kEditContextMenuName = 306;
constexpr int kMainFrameResource = 128;

}  // namespace

CKalvenportExportApp::CKalvenportExportApp(QStringList arguments, QString registryFolder, QString exePath)
    : CQELWinAppEx(std::move(registryFolder), std::move(exePath)), m_arguments(std::move(arguments))
{
    m_resources.load(QStringLiteral(":/res"));
    platform::Resources::setApplication(&m_resources);
}

CKalvenportExportApp::~CKalvenportExportApp()
{
    platform::ContextMenus::setCommandSink({});
    platform::ContextMenus::setStateSource({});
    platform::HelpContext::setShowHelp({});
    platform::Resources::setApplication(nullptr);
    m_mainFrame.reset();
}

const platform::MessageMapBase* CKalvenportExportApp::GetMessageMap() const
{
    using Map = platform::MessageMap<CKalvenportExportApp>;
    static const Map map(
        CQELWinAppEx::GetMessageMap(),
        {
            Map::command(platform::ID_FILE_NEW, &CKalvenportExportApp::OnFileNew),
            Map::command(platform::ID_FILE_OPEN, &CKalvenportExportApp::OnFileOpen),
            Map::command(platform::ID_FILE_PRINT_SETUP, &CKalvenportExportApp::OnFilePrintSetup),
            Map::command(platform::ID_APP_ABOUT, &CKalvenportExportApp::OnAppAbout),
            Map::command(AppCommandIds::kSupportInfo, &CKalvenportExportApp::OnSupportInfo),
            Map::command(AppCommandIds::kResetFontSizes, &CKalvenportExportApp::ResetFontSizes),
            Map::command(AppCommandIds::kResetWorkspace, &CKalvenportExportApp::OnResetWorkspace),
            Map::command(AppCommandIds::kResetRegistry, &CKalvenportExportApp::ResetRegistry),
            Map::command(AppCommandIds::kWebUpdate, &CKalvenportExportApp::RunUpdateCheck),
            Map::command(AppCommandIds::kPrinterFontSize, &CKalvenportExportApp::OnPrinterFontSize),
            Map::command(AppCommandIds::kPrintSizeCorrection, &CKalvenportExportApp::OnPrintSizeCorrection),
            Map::command(AppCommandIds::kDefaultsATR, &CKalvenportExportApp::OnFormDefaultsATR),
            Map::command(AppCommandIds::kDefaultsEUR1, &CKalvenportExportApp::OnFormDefaultsEUR),
            Map::command(AppCommandIds::kDefaultsUZ, &CKalvenportExportApp::OnFormDefaultsUZ),
        });
    return &map;
}

bool CKalvenportExportApp::InitInstance()
{
    if (!CQELWinAppEx::InitInstance()) return false;
    // The name titles the program's messages. Only the name, not a display name: Qt would append a display
    // name to every window title, which already names the program where it should.
    QCoreApplication::setApplicationName(m_resources.string(57344));
    // The windows name the program's desktop entry, so that the taskbar shows them as this program's.
    QGuiApplication::setDesktopFileName(kProgramId.toString());
    LoadStdProfileSettings(8);
    ApplyToolTipParams();

    for (platform::DocTemplate& docTemplate : CreateDocTemplates()) {
        docTemplate.setFrameFactory([] { return new CChildFrame; });
        m_docManager.AddDocTemplate(std::move(docTemplate));
    }

    // Only the whole argument is the switch: a form whose name merely begins with it is opened as any other.
    const QString first = m_arguments.value(0);
    if (first == kResetWorkspaceSwitch) {
        RegisterWithShell();
        ResetWorkspace(true);
        return false;
    }

    m_mainFrame = std::make_unique<CMainFrame>(*this, m_resources);
    PreLoadState();
    if (!m_mainFrame->LoadFrame(kMainFrameResource, m_bHiColorIcons ? 129 : 128, *this)) {
        m_mainFrame.reset();
        return false;
    }
    m_pMainWnd = m_mainFrame.get();
    m_docManager.setFrame(m_mainFrame.get());
    platform::HelpContext::setShowHelp([this] { OnHelp(); });
    AppCursors::Load();

    // The path as given, blanks and quotes included: trimmed or unquoted it could name another file, which
    // a later save would overwrite.
    if (first.isEmpty()) {
        OnFileNew();
    } else {
        OpenDocumentFile(first);
    }
    m_mainFrame->showMaximized();
    // The registration's files and the start picture wait until the window is on the screen: the person
    // starting the program waits for neither. The picture shows the version the registration sets.
    m_bRegistrationPending = true;
    AfterFirstPaint::Run(*m_mainFrame, [this] {
        RegisterWithShell();
        if (GetProfileInt(settings::kSplashScreenAtStart) != 0)
            CSplashWnd::Create(*m_mainFrame, *this, m_RegeditManagment.GetVersionString());
    });
    return true;
}

int CKalvenportExportApp::ExitInstance()
{
    // A program that ends before its window painted registers all the same.
    if (m_bRegistrationPending) RegisterWithShell();
    return CQELWinAppEx::ExitInstance();
}

std::vector<platform::DocTemplate> CKalvenportExportApp::CreateDocTemplates()
{
    return CreateFormTemplates(*this);
}

void CKalvenportExportApp::RegisterWithShell()
{
    m_bRegistrationPending = false;
    // One write of each registry file for all of it, and none at all when everything is in place already.
    platform::Registry::Batch registration = m_RegeditManagment.batch();
    m_RegeditManagment.registerFileClasses();
    m_RegeditManagment.RegisterApplication(*this, kCreationDate);
    for (const ShellFileType& type : kShellFileTypes)
        m_RegeditManagment.CheckFileTypeVersion(type.extension, m_RegeditManagment.GetVersion());
    m_RegeditManagment.RegisterFileTypes(1);
    m_RegeditManagment.WriteAppKeys();
    // Again, over what the version check cleared of an older registration.
    m_RegeditManagment.registerFileClasses();
    m_RegeditManagment.RegisterOpenCommand();
    const platform::wholefile::WriteResult stored = registration.commit();
    // The program runs without its registration; the next start tries again.
    if (!stored.ok()) qWarning().noquote() << "The registration could not be stored:" << stored.error;
}

void CKalvenportExportApp::ApplyToolTipParams()
{
    // Rounded, framed in black, white running up into pale cyan, blue text, the description below a line
    // and wrapped to 200 pixels.
    m_toolTips =
        std::make_unique<platform::AppToolTips>(platform::ToolTipParams{.drawSeparator = true,
                                                                        .maxDescriptionWidth = 200,
                                                                        .fillColor = 0xFFFFFF,
                                                                        .fillGradientColor = 0xFFFFC8,
                                                                        .textColor = 0xFF0000,
                                                                        .borderColor = 0x000000});
}

void CKalvenportExportApp::PreLoadState()
{
    QList<platform::MenuItem> items;
    if (const QList<platform::MenuEntry>* menu = m_resources.menu(kEditContextMenu);
        menu && !menu->isEmpty()) {
        for (const platform::MenuEntry& entry : menu->constFirst().items)
            items.append({entry.id, entry.text, entry.separator});
    }
    platform::ContextMenus::registerMenu(kEditContextMenu, m_resources.string(kEditContextMenuName), items);
    platform::ContextMenus::setCommandSink([this](int id) {
        if (m_mainFrame) m_mainFrame->ExecuteCommand(id);
    });
    // The items show what the same commands show in the menu bar.
    platform::ContextMenus::setStateSource(
        [this](int id) { return m_mainFrame ? m_mainFrame->UpdateCommand(id) : platform::CmdUI(id); });
}

QList<platform::FileFilter> CKalvenportExportApp::OpenFilters(bool noFileFilter, const QString& allFilesName)
{
    const platform::FileFilter allFiles{allFilesName, QStringLiteral("*.*")};
    QList<platform::FileFilter> filters;
    if (noFileFilter) filters.append(allFiles);
    filters.append(
        {QStringLiteral("Alle Kalvenport Dateien"), QStringLiteral("*.fme;*.fmu;*.fma;*.lz1;*.lz2")});
    filters.append({QStringLiteral("EUR1 Form. (*.fme)"), QStringLiteral("*.fme")});
    filters.append({QStringLiteral("ATR Form. (*.fma)"), QStringLiteral("*.fma")});
    filters.append({QStringLiteral("UZ Form. (*.fmu)"), QStringLiteral("*.fmu")});
    filters.append({QStringLiteral("Langzeiterklärung (*.lz1)"), QStringLiteral("*.lz1")});
    filters.append({QStringLiteral("Langzeiterklärung (*.lz2)"), QStringLiteral("*.lz2")});
    if (!noFileFilter) filters.append(allFiles);
    return filters;
}

int CKalvenportExportApp::InitialFilterIndex(int formKind, bool noFileFilter)
{
    int index = 1;
    switch (formKind) {
        case 1:
            index = 2;
            break;
        case 2:
            index = 3;
            break;
        case 3:
            index = 4;
            break;
        case 4:
            index = 6;
            break;
        case 5:
            index = 5;
            break;
        default:
            return 1;
    }
    // The all-files type standing first moves every form's own type down by one.
    return noFileFilter ? index + 1 : index;
}

bool CKalvenportExportApp::DoPromptFileName(QString& fileName, int nIDSTitle, bool bOpenFileDialog)
{
    const bool noFileFilter = GetProfileInt(settings::kNoFileFilter) != 0;
    platform::FileDialogRequest request;
    request.mode =
        bOpenFileDialog ? platform::FileDialogRequest::Mode::Open : platform::FileDialogRequest::Mode::Save;
    request.title = m_resources.string(nIDSTitle);
    request.filters = OpenFilters(noFileFilter, m_resources.string(kAllFilesName));
    request.initialFilter = InitialFilterIndex(m_nActiveFormKind, noFileFilter) - 1;
    request.fileName = fileName;
    request.parent = m_mainFrame.get();
    const std::optional<QString> chosen = platform::DocumentUi::instance().fileName(request);
    if (!chosen) return false;
    fileName = *chosen;
    return true;
}

void CKalvenportExportApp::OnFileNew()
{
    int choice = 0;
    try {
        CDlgNew dialog;
        if (dialog.DoModal() != platform::answer::kOk) return;
        choice = dialog.m_nChoice;
    } catch (const platform::DialogTemplateError& error) {
        // A picture or the template of the chooser is missing: no form is made.
        platform::UiService::instance().messageBox({kAppName.toString(), QString::fromUtf8(error.what())});
        return;
    }
    const std::vector<platform::DocTemplate>& templates = m_docManager.templates();
    if (choice < 1 || choice > static_cast<int>(templates.size())) return;
    m_docManager.OpenNewDocument(templates.at(choice - 1));
}

void CKalvenportExportApp::OnFileOpen()
{
    QString path = platform::DocManager::DialogFolder(m_docManager.activeDocument());
    {
        const platform::HelpContextGuard help(m_nHelpContext, HelpContextIds::kFileOpen);
        if (!DoPromptFileName(path, kOpenTitle, true)) return;
    }
    // The form that opens takes the help context over; the one of the Open dialog is gone by then.
    OpenDocumentFile(path);
}

void CKalvenportExportApp::OnFilePrintSetup()
{
    const platform::HelpContextGuard help(m_nHelpContext, HelpContextIds::kPrintSetup);
    m_printer.runPrintSetup(m_mainFrame.get());
}

void CKalvenportExportApp::OnAppAbout()
{
    CAboutDlg dialog(*this, m_mainFrame.get());
    dialog.DoModal();
}

void CKalvenportExportApp::OnSupportInfo()
{
    Common_DlgInternalInfo dialog(*this, m_mainFrame.get());
    dialog.doModal();
}

void CKalvenportExportApp::OnResetWorkspace()
{
    ResetWorkspace(false);
}

void CKalvenportExportApp::RunUpdateCheck()
{
    Common_DlgWebUpdateD dialog;
    dialog.m_strProductName = kAppName.toString();
    dialog.m_nVersionMajor = kz::kVersionMajor;
    dialog.m_nVersionMinor = kz::kVersionMinor;
    dialog.m_nVersionBuild = kz::kVersionPatch;
    dialog.doModal();
}

void CKalvenportExportApp::OnPrinterFontSize()
{
    RunPrinterFontSize(*this);
}

void CKalvenportExportApp::OnPrintSizeCorrection()
{
    RunPrintSizeCorrection(*this);
}

void CKalvenportExportApp::OnFormDefaultsATR()
{
    RunFormDefaultsATR(*this);
}

void CKalvenportExportApp::OnFormDefaultsEUR()
{
    RunFormDefaultsEUR(*this);
}

void CKalvenportExportApp::OnFormDefaultsUZ()
{
    RunFormDefaultsUZ(*this);
}
