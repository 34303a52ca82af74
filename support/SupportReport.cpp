#include "support/SupportReport.h"

#include "app/SettingsStore.h"
#include "platform/print/PrinterCatalog.h"

#include <span>

using namespace settings;

namespace {

// Defaults no stored value has: they tell a missing value from a stored one.
constexpr int kMissingInt = 12061953;
constexpr QStringView kMissingText = u"@";
constexpr QStringView kMissingRecentFile = u"@@";
constexpr int kNameWidth = 23;
constexpr int kSeparatorLength = 55;
// The recent-file list of the program's first versions had six entries; the report still shows six.
constexpr int kRecentFilesShown = 6;

enum class Kind { Int, Text, Printer };
struct Value {
    QStringView name;
    Kind kind;
};

// The values every form section has, and all the declarations' sections have.
constexpr Value kFormLead[] = {
    {kZoomFactor.name, Kind::Int},    {kZoomFactorLU.name, Kind::Int}, {kEditTextColor.name, Kind::Int},
    {kReUsePrn.name, Kind::Int},      {kPrinter.name, Kind::Printer},  {kPrinterFontFactor.name, Kind::Int},
    {kShowMarginDlg.name, Kind::Int}, {kLeftMargin1.name, Kind::Int},  {kTopMargin1.name, Kind::Int},
};
constexpr Value kEUR1Values[] = {
    {kLeftMargin2.name, Kind::Int},    {kTopMargin2.name, Kind::Int}, {kNoPrintBNase.name, Kind::Int},
    {kAutodatum.name, Kind::Int},      {kStadt.name, Kind::Text},     {kTransport.name, Kind::Text},
    {kUrsprungsland.name, Kind::Text},
};
constexpr Value kATRValues[] = {
    {kNoPrintBNase.name, Kind::Int}, {kAutodatum.name, Kind::Int},      {kStadt.name, Kind::Text},
    {kTransport.name, Kind::Text},   {kUrsprungsland.name, Kind::Text},
};
constexpr Value kUZValues[] = {
    {kLeftMargin2.name, Kind::Int}, {kTopMargin2.name, Kind::Int}, {kNoPrintBNase.name, Kind::Int},
    {kTop_X1Pos.name, Kind::Int},   {kLeft_X1Pos.name, Kind::Int}, {kTop_X2Pos.name, Kind::Int},
    {kLeft_X2Pos.name, Kind::Int},  {kNoPrint_X.name, Kind::Int},  {kAutodatum.name, Kind::Int},
    {kStadt.name, Kind::Text},      {kTransport.name, Kind::Text}, {kUrsprungsland.name, Kind::Text},
};
// "WinFormScaledFactor" is asked for in "Settings", although the form views keep theirs in their own
// sections: the line tells the support whether someone set it there by hand.
constexpr Value kProgramValues[] = {
    {kPrnFactorV.name, Kind::Int},
    {kPrnFactorH.name, Kind::Int},
    {kWinFormScaledFactor.name, Kind::Int},
    {kWinFormScaledFactorOv.name, Kind::Int},
};

struct Block {
    QStringView section;
    QStringView heading;
    std::span<const Value> lead;
    std::span<const Value> values;
};

// The heading of the certificate of origin is kept as the support knows it.
constexpr Block kBlocks[] = {
    {kSettingsSection, u"", kProgramValues, {}},
    {kEUR1Section, u"\r\nEUR.1:\r\n", kFormLead, kEUR1Values},
    {kATRSection, u"\r\nA.TR.:\r\n", kFormLead, kATRValues},
    {kUZSection, u"\r\nUrprungszeugnis:\r\n", kFormLead, kUZValues},
    {kLZE2Section, u"\r\nLangzeit-Lieferantenerklärung 848:\r\n", kFormLead, {}},
    {kLZE1Section, u"\r\nLangzeit-Lieferantenerklärung 848a:\r\n", kFormLead, {}},
};

QString separatorLine()
{
    return QString(kSeparatorLength, u'-') + QStringLiteral("\r\n");
}

QString valueLine(QStringView name, const QString& value)
{
    return name.toString().leftJustified(kNameWidth) + value + QStringLiteral("\r\n");
}

}  // namespace

SupportReport::SupportReport(const SettingsStore& settings, int language)
    : m_settings(settings), m_bEnglish(language == 1), m_strNotDefined(notDefinedText(language))
{
}

QString SupportReport::notDefinedText(int language)
{
    return language == 1 ? QStringLiteral("Not defined") : QStringLiteral("Nicht definiert");
}

QString SupportReport::fileName(QStringView appName, int language)
{
    return appName.toString() + (language == 1 ? QStringLiteral("_Data.txt") : QStringLiteral("_Daten.txt"));
}

QByteArray SupportReport::fileBytes(const QString& text)
{
    QByteArray bytes("\xFF\xFE", 2);
    bytes.reserve(2 + text.size() * 2);
    for (const QChar unit : text) {
        bytes.append(static_cast<char>(unit.unicode() & 0xFF));
        bytes.append(static_cast<char>(unit.unicode() >> 8));
    }
    return bytes;
}

QStringView SupportReport::text(QStringView german, QStringView english) const
{
    return m_bEnglish ? english : german;
}

QString SupportReport::text(const Heading& heading) const
{
    const QString separator = separatorLine();
    const QDate& d = heading.date;
    QString out =
        text(u"Umgebungs- und Programmparameter zu %1\r\n", u"Environment and program parameter for %1\r\n")
            .toString()
            .arg(heading.appName);
    out += QStringLiteral("Version Brandel\r\n");
    out += m_bEnglish ? QString::asprintf("Created: %02d/%02d/%d\r\n", d.month(), d.day(), d.year())
                      : QString::asprintf("Erstellt: %02d.%02d.%d\r\n", d.day(), d.month(), d.year());
    out += heading.programInfo + QStringLiteral("\r\n");
    out += heading.systemInfo + QStringLiteral("\r\n");
    // Here a Windows machine lists its .NET versions; this system has no Windows folder to look in.
    out += QStringLiteral("\r\n") + separator + separator + QStringLiteral("\r\nRegistry-Details:\r\n");
    appendSettings(out);
    out += separator;
    appendFonts(out);
    appendRecentFiles(out);
    out += separator;
    return out;
}

void SupportReport::appendSettings(QString& out) const
{
    for (const Block& block : kBlocks) {
        out += block.heading;
        for (std::span<const Value> part : {block.lead, block.values}) {
            for (const Value& value : part) {
                if (value.kind == Kind::Int) {
                    appendInt(out, block.section, value.name, Missing::Shown);
                } else {
                    appendText(out, block.section, value.name);
                    if (value.kind == Kind::Printer) appendPrinter(out, block.section);
                }
            }
        }
    }
}

void SupportReport::appendInt(QString& out, QStringView section, QStringView name, Missing missing) const
{
    const int value = m_settings.GetProfileInt(section, name, kMissingInt);
    if (value == kMissingInt) {
        if (missing == Missing::Shown) out += valueLine(name, m_strNotDefined);
        return;
    }
    out += valueLine(name, QString::asprintf("0x%08x (%d)", static_cast<unsigned>(value), value));
}

void SupportReport::appendText(QString& out, QStringView section, QStringView name) const
{
    const QString value = m_settings.GetProfileString(section, name, kMissingText);
    out += valueLine(name, value == kMissingText ? m_strNotDefined : value);
}

void SupportReport::appendPrinter(QString& out, QStringView section) const
{
    const QString name = m_settings.GetProfileString(section, kPrinter.name, m_strNotDefined);
    const std::optional<platform::PrinterCatalog::Details> printer = platform::PrinterCatalog::details(name);
    if (!printer) return;
    out += valueLine(text(u"Druckertreiber", u"Printer Driver"), printer->makeAndModel);
    out += valueLine(text(u"Druckerport", u"Printer Port"), printer->deviceUri);
    // CUPS filters a job by its driver; there is no print processor of its own to name.
    out += valueLine(u"PrintProcessor", {});
}

void SupportReport::appendFonts(QString& out) const
{
    for (const FontHeights* heights : {&kEditFontHeights, &kScreenFontHeights, &kPrinterFontHeights}) {
        for (const auto* set : {&heights->regular, &heights->bold}) {
            for (const IntValue& font : *set) appendInt(out, font.section, font.name, Missing::Skipped);
        }
    }
}

void SupportReport::appendRecentFiles(QString& out) const
{
    const auto entry = [this](int index) {
        return m_settings.GetProfileString(kRecentFiles.at(index).section, kRecentFiles.at(index).name,
                                           kMissingRecentFile);
    };
    if (entry(0) == kMissingRecentFile) return;
    out += separatorLine();
    out += text(u"\r\nZuletzt benutzte Dateien:\r\n", u"\r\nFiles recently used:\r\n");
    for (int index = 0; index < kRecentFilesShown; ++index) {
        const QString path = entry(index);
        if (path != kMissingRecentFile)
            out += QString::number(index + 1) + QStringLiteral(": ") + path + QStringLiteral("\r\n");
    }
}
