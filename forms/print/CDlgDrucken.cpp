#include "forms/print/CDlgDrucken.h"

#include "app/CQELWinAppEx.h"
#include "app/HelpContextIds.h"
#include "forms/print/PrintImages.h"
#include "platform/dialog/DialogTemplate.h"

#include <QComboBox>
#include <QLabel>
#include <utility>

namespace {

constexpr int kTemplate = 325;
constexpr int kCopies = 1003;
constexpr int kPrinterName = 1009;
constexpr int kSheetList = 1010;
constexpr int kLandscapeSheet = 1011;
constexpr int kPortraitSheet = 1012;
constexpr int kLandscapeWarning = 1013;
constexpr int kPortraitTick = 1014;
constexpr int kAlwaysThisPrinter = 1015;
constexpr int kPrinterChoice = 1016;
// The help context while the dialog opens, before it knows its form.
constexpr int kOpeningHelpContext = HelpContextIds::kPrintEUR1;

}  // namespace

CDlgDrucken::CDlgDrucken(CQELWinAppEx& app, const PrintDialogForm& form, QStringView section,
                         const JobPrinter& printer, QWidget* parent)
    : platform::Dialog(platform::DialogTemplate::load(kTemplate), parent, PrintImages::image),
      m_bAlwaysThisPrinter(SavedPrinter(app, section) ? 1 : 0),
      m_PrintFormKind(form.kind),
      m_app(app),
      m_form(form),
      m_printer(printer)
{
    onClicked(kPrinterChoice, [this] { OnPrinterChoice(); });
}

std::optional<QString> CDlgDrucken::SavedPrinter(const SettingsStore& settings, QStringView section)
{
    const QString name = settings.GetProfileString(settings::kPrinter.in(section));
    if (name == settings::kPrinter.defaultValue ||
        settings.GetProfileInt(settings::kReUsePrn.in(section)) != 1) {
        return std::nullopt;
    }
    return name;
}

void CDlgDrucken::onInitDialog()
{
    keepHelpContext(m_app.m_nHelpContext, kOpeningHelpContext);
    m_strPrinterName = m_printer.deviceName;
    m_bPortrait = m_printer.IsPortrait() ? 1 : 0;
    platform::Dialog::onInitDialog();
    ShowPrinterName();
    ShowOrientation();
    FillSheetList();
    m_strCaption = m_form.title.toString();
    setWindowTitle(m_strCaption);
    item(kSheetList)->setFocus();
}

void CDlgDrucken::doDataExchange(platform::DataExchange& exchange)
{
    exchange.text(kCopies, m_nCopies);
    exchange.check(kAlwaysThisPrinter, m_bAlwaysThisPrinter);
}

void CDlgDrucken::onOk()
{
    m_nSheet = static_cast<std::uint16_t>(itemAs<QComboBox>(kSheetList)->currentIndex() + 1);
    platform::Dialog::onOk();
}

// A printer name too long for its line is cut short with "…" rather than widening the dialog; the whole name
// shows as the line's tip. The name is only shown: m_strPrinterName keeps it whole.
void CDlgDrucken::ShowPrinterName()
{
    auto* name = itemAs<QLabel>(kPrinterName);
    name->setText(name->fontMetrics().elidedText(m_strPrinterName, Qt::ElideRight, name->width()));
    name->setToolTip(m_strPrinterName);
}

void CDlgDrucken::ShowOrientation()
{
    // An upright sheet with a green tick for portrait, a lying sheet with a warning for landscape.
    const std::pair<int, bool> shown[] = {{kPortraitTick, m_bPortrait},
                                          {kPortraitSheet, m_bPortrait},
                                          {kLandscapeWarning, !m_bPortrait},
                                          {kLandscapeSheet, !m_bPortrait}};
    for (const auto& [id, visible] : shown)
        if (QWidget* control = item(id)) control->setVisible(visible);
}

void CDlgDrucken::FillSheetList()
{
    auto* list = itemAs<QComboBox>(kSheetList);
    list->clear();
    for (QStringView sheet : m_form.sheets) list->addItem(sheet.toString());
    list->setCurrentIndex(0);
    if (!m_form.showsSheetList()) {
        list->setEnabled(false);
        list->hide();
    }
    changeHelpContext(m_form.helpContext);
}

void CDlgDrucken::OnPrinterChoice()
{
    m_bPrinterChoice = 1;
    onCancel();
}
