#include "platform/shell/ProcessLauncher.h"
#include "program/CKalvenportExportApp.h"
#include "support/Common_DlgWebUpdateD.h"
#include "tests/platform/TestEnvironment.h"
#include "tests/support/AnsweringUi.h"
#include "tests/support/LocalHttpServer.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;
using platform::control::kCancel;
using platform::control::kOk;

namespace {

constexpr int kLoad = Common_DlgWebUpdateD::kLoadButton;
const QString kNothingLoaded = QStringLiteral("Es sind noch keine Daten geladen.");
const QString kError = QStringLiteral("Fehler bei der Übertragung");
const QString kUpToDate =
    QStringLiteral("Die benutzte Version von Kalvenport-Zuzaza ist auf dem aktuellen Stand.");
const QString kOffered =
    QStringLiteral("Die derzeit aktuelle Version von Kalvenport-Zuzaza ist die Version ");

QByteArray record(const QByteArray& version, const QByteArray& name = "Kalvenport-Zuzaza",
                  const QByteArray& path = "/download/kz-setup.exe", const QByteArray& size = "12,3 MB",
                  const QByteArray& page = "kz-news")
{
    return name.leftJustified(20) + version.leftJustified(8) + QByteArray(8, ' ') + path.leftJustified(44) +
           size.leftJustified(10) + QByteArray(54, ' ') + page.leftJustified(30) + "  ";
}
const QByteArray kOther = record("1.00.000", "Anderes Programm");

QByteArray index(const QList<QByteArray>& records, int count = 2, const QByteArray& lineEnd = "\r\n")
{
    QByteArray text =
        QByteArray("QEL Update-Index").leftJustified(23) + QByteArray::number(count).rightJustified(2, '0');
    for (const QByteArray& line : records) text += lineEnd + line;
    return text + lineEnd;
}

QByteArray http(const QByteArray& body, const QByteArray& status = "200 OK", qsizetype length = -1)
{
    return "HTTP/1.1 " + status +
           "\r\nContent-Length: " + QByteArray::number(length < 0 ? body.size() : length) + "\r\n\r\n" + body;
}

// The update check as the user starts it, each transfer with a deadline of one second.
class UpdateCheck : public ::testing::Test {
protected:
    UpdateCheck()
    {
        platform::HttpClient::setGetter([this](platform::HttpRequest request) {
            request.deadline = 1s;
            if (duringTransfer) QTimer::singleShot(0, std::exchange(duringTransfer, {}));
            const platform::HttpAnswer answer = platform::HttpClient::getOverNetwork(request);
            if (const auto* response = std::get_if<platform::HttpResponse>(&answer))
                bodyRead = response->body.size();
            return answer;
        });
    }
    ~UpdateCheck() override
    {
        platform::HttpClient::setGetter({});
        QSslConfiguration::setDefaultConfiguration(m_tls);
    }

    void load(const QString& address, bool trusted = true)
    {
        QSslConfiguration tls = m_tls;
        if (trusted) tls.addCaCertificate(LocalHttpServer::certificate());
        QSslConfiguration::setDefaultConfiguration(tls);
        bodyRead = -1;
        ui.messageBoxes.clear();
        dialog = std::make_unique<Common_DlgWebUpdateD>(address);
        dialog->m_strProductName = QStringLiteral("Kalvenport-Zuzaza");
        std::tie(dialog->m_nVersionMajor, dialog->m_nVersionMinor, dialog->m_nVersionBuild) =
            std::tuple(3, 20, 4);
        dialog->show();
        QTest::mouseClick(dialog->item(kLoad), Qt::LeftButton);
    }
    bool enabled(int id) const
    {
        const QWidget* control = dialog->item(id);
        return control && control->isEnabled();
    }

    AnsweringUi ui;
    std::unique_ptr<Common_DlgWebUpdateD> dialog;
    qsizetype bodyRead = -1;
    // Runs once the next transfer has begun.
    std::function<void()> duringTransfer;

private:
    const QSslConfiguration m_tls = QSslConfiguration::defaultConfiguration();
};

TEST_F(UpdateCheck, TellsWhatEachServerAnswers)
{
    const QByteArray current = record("3.20.004"), newer = record("3.21.001"), cut = index({kOther, newer});
    struct Row {
        const char* what;
        QByteArray answer;
        QString status;
        QString message = {};
        bool tls = false;
        bool trusted = true;
        LocalHttpServer::AfterAnswer after = LocalHttpServer::AfterAnswer::Close;
    } rows[] = {
        {"an index over TLS", http(index({kOther, newer})), kOffered + "3.21.001", {}, true},
        {"a certificate nobody vouches for", http(index({newer})), kNothingLoaded, "Zertifikat", true, false},
        {"LF line ends, the last line without one", http(index({kOther, current}, 2, "\n").chopped(1)),
         kUpToDate},
        {"the fifth record of three", http(index({kOther, kOther, kOther, kOther, current}, 3)), kUpToDate},
        {"the sixth record of three", http(index({kOther, kOther, kOther, kOther, kOther, current}, 3)),
         kError},
        {"the name in other case", http(index({record("3.21.001", "kalvenport-zuzaza")})), kError},
        {"an older version", http(index({record("3.19.010")})), kOffered + "3.19.010"},
        {"a redirect", http("", "302 Found\r\nLocation: /UpdateIndex.qelidx"), kError},
        {"an empty body", http(""), kError},
        {"a 404 page", http("<html><body>Not Found</body></html>", "404 Not Found"), kError},
        {"cut inside the matching record", http(cut.left(27 + 178 + 100), "200 OK", cut.size()), kError},
        {"the last record with its trailing blanks trimmed", http(index({kOther, newer.trimmed()})), kError},
        {"the last record of 174 columns without a line end",
         http(index({kOther, newer.left(174)}).chopped(2)), kOffered + "3.21.001"},
        {"the last record of 173 columns", http(index({kOther, newer.left(173)}).chopped(2)), kError},
        {"no answer", "", kNothingLoaded, "nicht innerhalb von 1 Sekunden"},
        {"the deadline inside the matching record", http(cut.left(27 + 178 + 100), "200 OK", cut.size()),
         kNothingLoaded, "nicht innerhalb von 1 Sekunden", false, true,
         LocalHttpServer::AfterAnswer::StayOpen},
        {"a body of 1 MiB", http(index({newer}) + QByteArray(1 << 20, 'x')), kOffered + "3.21.001"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        LocalHttpServer server(row.answer, row.tls, row.after);
        load(server.address(), row.trusted);
        EXPECT_EQ(dialog->controls().text(Common_DlgWebUpdateD::kStatus), row.status);
        EXPECT_TRUE(row.message.isEmpty() ? ui.messageBoxes.isEmpty()
                                          : ui.messageTexts().join("").contains(row.message));
        const bool offered = row.status.startsWith(kOffered);
        EXPECT_EQ(enabled(kOk) && dialog->focusWidget() == dialog->item(kOk), offered);
        EXPECT_EQ(enabled(kLoad), !offered);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        if (!row.trusted) continue;
        ASSERT_EQ(server.requests.size(), 1);
        EXPECT_TRUE(server.requests[0].startsWith("GET /UpdateIndex.qelidx HTTP/1.1\r\n"));
        EXPECT_TRUE(server.requests[0].contains("\r\nAccept: Text/*\r\n"));
    }
    EXPECT_EQ(bodyRead, platform::HttpClient::kSizeCap);
    load(QStringLiteral("http://127.0.0.1:1"));
    EXPECT_TRUE(ui.messageTexts().join("").contains("refused"));
}

TEST_F(UpdateCheck, WhileTheTransferRunsTheWindowKeepsWorkingAndOnlyAbbrechenEndsItAndTheDialog)
{
    LocalHttpServer silent("");
    bool looked = false;
    duringTransfer = [&] {
        looked = QTest::qWaitFor([&] { return !silent.requests.isEmpty(); }, 400);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        EXPECT_FALSE(enabled(kOk) || enabled(kLoad));
        EXPECT_TRUE(enabled(kCancel));
        // Escape, the close box and a second start leave the transfer running.
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        dialog->close();
        dialog->LoadUpdateIndex();
        QTest::qWait(50);
        EXPECT_TRUE(dialog->isVisible());
        QTest::mouseClick(dialog->item(kCancel), Qt::LeftButton);
    };
    QElapsedTimer clock;
    clock.start();
    load(silent.address());
    // Ended at the click, long before the deadline of one second.
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_TRUE(looked);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), platform::answer::kCancel);
    EXPECT_TRUE(ui.messageBoxes.isEmpty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(silent.requests.size(), 1);
}

TEST_F(UpdateCheck, DownloadWritesThePageAndOpensItInTheBrowser)
{
    TestEnvironment environment;
    environment.writeFile("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Mein \"Büro\"\"\n");
    environment.writeFile("data/applications/web.desktop", "[Desktop Entry]\nName=Web\nExec=/bin/true %u\n");
    const QString page = environment.path("home/Mein \"Büro\"/Update.html");
    QList<QStringList> started;
    bool starts = true;
    platform::ProcessLauncher::setLauncher([&](const QString& program, const QStringList& arguments) {
        started.append(QStringList{program} + arguments);
        return starts;
    });
    struct Row {
        const char* golden;
        QByteArray record;
        QString message = {};
        bool browser = true;
        bool browserStarts = true;
        bool pageIsFolder = false;
    } rows[] = {
        {"free.html", record("3.21.001")},
        {"paid.html", record("4.00.000")},
        {"escaped.html",
         record("3.21.001", "Kalvenport-Zuzaza", "evil.example/a&b.exe", "<\"12 MB\">", "x');alert('1")},
        {"no browser", record("3.21.001"), CQELWinAppEx::kNoBrowserMessages[0], false},
        {"a browser that does not start", record("3.21.001"), CQELWinAppEx::kBrowserFailedMessage, true,
         false},
        {"a page that cannot be written", record("3.21.001"), "konnte nicht geschrieben werden", true, true,
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.golden);
        environment.writeFile("config/mimeapps.list",
                              row.browser ? "[Default Applications]\ntext/html=web.desktop" : "");
        QFile::remove(page);
        row.pageIsFolder ? QDir().mkpath(page) : QDir().rmdir(page);
        starts = row.browserStarts;
        started.clear();
        LocalHttpServer server(http(index({row.record})));
        load(server.address());
        QTest::mouseClick(dialog->item(kOk), Qt::LeftButton);
        EXPECT_TRUE(ui.messageTexts().join("").contains(row.message));
        EXPECT_EQ(dialog->isVisible(), !row.message.isEmpty() && row.browser);
        if (!row.message.isEmpty()) continue;
        EXPECT_EQ(started, QList<QStringList>({{"/bin/true", page}}));
        EXPECT_EQ(contentsOf(page), contentsOf(QStringLiteral(KZ_TEST_DATA "/update/") + row.golden)
                                        .replace("http://SERVER", server.address().toLatin1()));
    }
    platform::ProcessLauncher::setLauncher({});
}

TEST(RunUpdateCheck, TheCommandShowsTheProgramAndItsVersion)
{
    QTemporaryDir dir;
    CKalvenportExportApp app({}, dir.path());
    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Common_DlgWebUpdateD*>(QApplication::activeModalWidget());
        for (int id : {Common_DlgWebUpdateD::kProductName, Common_DlgWebUpdateD::kVersion,
                       Common_DlgWebUpdateD::kStatus})
            shown.append(dialog->controls().text(id));
        const QWidget* ok = dialog->item(kOk);
        shown.append({ok && ok->isEnabled() ? "enabled" : "disabled", dialog->focusWidget()->objectName()});
        dialog->reject();
    });
    EXPECT_TRUE(app.ExecuteCommand(32775));
    EXPECT_EQ(shown, QStringList({"Kalvenport-Zuzaza", "3.20.004", kNothingLoaded, "disabled", "21142"}));
}

}  // namespace
