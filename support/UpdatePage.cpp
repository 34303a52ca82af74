#include "support/UpdatePage.h"

#include "platform/codepage/CodePage1252.h"

namespace {

QString html(QString text)
{
    return text.replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'>', QStringLiteral("&gt;"))
        .replace(u'"', QStringLiteral("&quot;"));
}

// A text inside a single-quoted script string inside an HTML attribute.
QString scriptInAttribute(QString text)
{
    return html(text.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'")));
}

QString downloadPath(const QString& path)
{
    return path.startsWith(u'/') ? path : u'/' + path;
}

// Whether the installed major version still covers the record's version: the update is free.
bool isFreeUpdate(int major, const QString& recordVersion)
{
    return QString::number(major) == recordVersion.left(1);
}

QString priceText(const QString& server, int major, const QString& recordVersion)
{
    if (isFreeUpdate(major, recordVersion)) return QStringLiteral("Dieses Update ist kostenfrei.<BR><BR>");
    return QStringLiteral(
               "<BR><FONT COLOR=#FF0000><B>Dieses Upgrade ist kostenpflichtig!</B></FONT><BR><A HREF=\"") +
           server +
           QStringLiteral(
               "/index.php/preisliste\" target=\"_blank\">Informationen zu Upgradepreisen finden Sie "
               "auf der hier.</A><BR><BR>");
}

QString headPart(const QString& server)
{
    return QStringLiteral(
               "<!DOCTYPE HTML PUBLIC><HTML><HEAD><TITLE>QEL-Shareware</TITLE>\r\n"
               "<script type=\"text/javascript\" language=\"JavaScript\">\r\n<!--\r\n"
               "function OpenWin(Item)\r\n{\r\n"
               "Win = open(\"") +
           server +
           QStringLiteral(
               "/\" + Item + \".html\", Item, \"toolbar=no,directories=no,menubar=no,width=600,"
               "height=350,resizable=yes,scrollbars=yes\");\r\n"
               "}\r\n//-->\r\n</script>\r\n</HEAD>\r\n");
}

QString downloadPart(const QString& server, const UpdateIndexRecord& record)
{
    const QString name = html(record.m_strRecordName);
    return QStringLiteral(
               "<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=5><TR><TD ALIGN=CENTER><FONT "
               "COLOR=#0000FF><SMALL><B>Download</B></SMALL></FONT></TR><TR>"
               "<TD ALIGN=CENTER><A HREF=\"") +
           server + html(downloadPath(record.m_strDownloadPath)) +
           QStringLiteral("\" onmouseover=\"window.status='") + scriptInAttribute(record.m_strRecordName) +
           QStringLiteral(" Update laden';return true\">") + name + QStringLiteral(" Version ") +
           html(record.m_strRecordVersion) + QStringLiteral(" laden </A><BR><SMALL>(") +
           html(record.m_strSizeText) +
           QStringLiteral(
               ")</SMALL><BR>\r\n"
               "<TR><TD ALIGN=CENTER COLSPAN=2><A HREF=\"javascript:OpenWin('") +
           scriptInAttribute(record.m_strInfoPage) +
           QStringLiteral(
               "')\" onmouseover=\"window.status='Versionsinformation';return "
               "true\">Versionsinformationen</A><BR>\r\n"
               "</TR></TABLE>\r\n");
}

QString homepagePart(const QString& server)
{
    return QStringLiteral("<A HREF=\"") + server + QStringLiteral("\"><IMG SRC=\"") + server +
           QStringLiteral(
               "/img/qel.gif\" BORDER=0 ALT=\"QEL Logo\" ALIGN=MIDDLE><BR>Zur Homepage von "
               "QEL-Software</A>\r\n"
               "</P></CENTER></BODY></HTML>");
}

}  // namespace

QString updateVersionText(int major, int minor, int build)
{
    return QString::asprintf("%d.%02d.%03d", major, minor, build);
}

QByteArray updatePageBytes(QStringView serverAddress, const UpdateIndexRecord& record, int major, int minor,
                           int build)
{
    const QString server = serverAddress.toString();
    QString page = headPart(server) +
                   QStringLiteral("<BODY><CENTER><P><FONT SIZE=5 COLOR=#800000><B> Update für ") +
                   html(record.m_strRecordName) +
                   QStringLiteral(
                       " auf Ihren Rechner laden </B></FONT>\r\n"
                       "<BR><BR>Laden Sie die Datei auf Ihren Rechner und f&uuml;hren Sie diese aus. "
                       "Beenden Sie vorher das Programm, das Sie aktualisieren möchten.<BR>Sie "
                       "installieren damit die aktualisierte Fassung über Ihre bestehende Version (") +
                   updateVersionText(major, minor, build) +
                   QStringLiteral(") und sind auf dem aktuellen Stand.<BR>\r\n") +
                   priceText(server, major, record.m_strRecordVersion) + downloadPart(server, record) +
                   homepagePart(server);
    // The page was always written as a text file, which turns every line feed into CR LF.
    page.replace(u'\n', QStringLiteral("\r\n"));
    return platform::codepage1252::fromUnicode(page);
}
