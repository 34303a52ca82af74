#include "support/Common_DlgInternalInfo.h"

#include "app/CQELWinAppEx.h"
#include "platform/clock/Clock.h"
#include "platform/file/WholeFile.h"
#include "platform/screen/ScreenMetrics.h"
#include "platform/shell/SystemInfo.h"
#include "support/SupportReport.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace {

constexpr int kTemplate = 21101;
constexpr int kSystemInfo = 21104;
constexpr int kProgramInfo = 21106;
constexpr int kSaveButton = 21103;
constexpr QStringView kProgramTitle = u"Kalvenport-Zuzaza für Windows";

const platform::ToolTipParams kTipParams{.drawSeparator = false};

}  // namespace

Common_DlgInternalInfo::Common_DlgInternalInfo(CQELWinAppEx& app, QWidget* parent)
    : platform::Dialog(platform::DialogTemplate::load(kTemplate), parent),
      m_ToolTip(app.m_nLanguage),
      m_app(app),
      m_nLanguage(app.m_nLanguage)
{
    onClicked(kSaveButton, [this] { SaveSupportData(); });
}

QString Common_DlgInternalInfo::text(const char16_t* german, const char16_t* english) const
{
    return QString::fromUtf16(m_nLanguage == 1 ? english : german);
}

int Common_DlgInternalInfo::DisplayScaling(int dotsPerInch)
{
    return int(std::lround(100.0 * dotsPerInch / platform::ScreenMetrics::kDefaultDotsPerInch));
}

QString Common_DlgInternalInfo::SystemInfoText(int language, int width, int height, int dotsPerInch,
                                               const QString& programDirectory)
{
    const bool english = language == 1;
    QString info = (english ? QStringLiteral("\r\nScreen resolution: %1 x %2")
                            : QStringLiteral("Bildschirmauflösung: %1 x %2"))
                       .arg(width)
                       .arg(height);
    const int scaling = DisplayScaling(dotsPerInch);
    if (scaling != 100) info += QStringLiteral(" (%1 DPI)").arg(scaling);
    info += english ? QStringLiteral("\r\nProgram directory: ") : QStringLiteral("\r\nProgrammverzeichnis: ");
    return info + programDirectory;
}

void Common_DlgInternalInfo::onInitDialog()
{
    const platform::ScreenMetrics screen = platform::ScreenMetrics::current();
    m_strSystemInfo = SystemInfoText(m_nLanguage, screen.widthPixels, screen.heightPixels, screen.dotsPerInch,
                                     m_app.programDirectory());
    m_strProgramInfo = kProgramTitle.toString() + QStringLiteral(" - Version ") +
                       m_app.m_RegeditManagment.GetVersionString() + QStringLiteral(" - (") +
                       m_app.m_RegeditManagment.m_strCreationDate + u')';
    platform::Dialog::onInitDialog();
    setWindowTitle(text(u"Interne Programminformationen", u"Internal program information"));
    controls().setText(kSaveButton, text(u"Daten in Datei sichern", u"Save data to file"));
    m_ToolTip.create(*this);
    m_ToolTip.setParams(kTipParams);
    m_ToolTip.AddTools(*this);
}

void Common_DlgInternalInfo::doDataExchange(platform::DataExchange& exchange)
{
    exchange.text(kSystemInfo, m_strSystemInfo);
    exchange.text(kProgramInfo, m_strProgramInfo);
}

QString Common_DlgInternalInfo::SupportDataPath() const
{
    const QString folder = platform::systeminfo::documentsFolder().value_or(QDir::homePath());
    return folder + u'/' + SupportReport::fileName(CQELWinAppEx::kAppName, m_nLanguage);
}

void Common_DlgInternalInfo::SaveSupportData()
{
    const QString path = SupportDataPath();
    const SupportReport report(m_app, m_nLanguage);
    const QByteArray bytes =
        SupportReport::fileBytes(report.text({CQELWinAppEx::kAppName.toString(), m_strProgramInfo,
                                              m_strSystemInfo, platform::Clock::now().date()}));
    // The new report replaces the old one only once it is whole on the disk: a failed save keeps the earlier.
    if (!QDir().mkpath(QFileInfo(path).path()) || !platform::wholefile::replace(path, bytes).ok()) {
        ShowMessage(text(u"Die Datei\r\n%1\r\nkonnte nicht geschrieben werden.",
                         u"The file\r\n%1\r\ncould not be written.")
                        .arg(path),
                    platform::MessageIcon::Stop);
    } else {
        ShowMessage(text(u"Die Supportdaten wurden in der Datei\r\n%1\r\ngesichert.",
                         u"The support data are saved in file\r\n%1")
                        .arg(path),
                    platform::MessageIcon::None);
    }
    endDialog(platform::answer::kOk);
}

void Common_DlgInternalInfo::ShowMessage(const QString& text, platform::MessageIcon icon) const
{
    platform::UiService::instance().messageBox(
        {CQELWinAppEx::kAppName.toString(), text, platform::MessageButtons::Ok, icon});
}
