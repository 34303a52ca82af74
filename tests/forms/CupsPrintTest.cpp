// Printing through a real CUPS queue: a scheduler of the test's own, reached only through a socket in the
// test's folder, with one queue that sends what it prints nowhere and keeps every job's document. The form
// keeps that queue as its printer; Ctrl+P must make it the job's printer and the job must arrive there.

#include "tests/forms/ProgramPrinting.h"
#include "tests/support/PdfWords.h"
#include "tests/support/TestFiles.h"

#include <sys/prctl.h>
#include <unistd.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <csignal>

using namespace settings;

namespace {

constexpr int kStartSeconds = 15;
constexpr int kJobSeconds = 30;
const QString kQueue = "Zollbuero";

QString systemProgram(const QString& name)
{
    return QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin", "/usr/bin", "/bin"});
}

// A cupsd of its own: its configuration, spool and logs in `root`, listening on a socket there and on no
// network address, not browsing, never started as a service. It ends with the object, or with the test's
// process.
class PrivateCups {
public:
    explicit PrivateCups(const QString& root) : m_root(root) {}
    ~PrivateCups()
    {
        if (m_daemon.state() == QProcess::NotRunning) return;
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000)) m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }

    QString socket() const { return m_root.filePath("cups.sock"); }

    // Empty when the scheduler runs with the queue; otherwise why not.
    QString start()
    {
        if (geteuid() != 0) return "cupsd runs here only as root, as it does in CI";
        const QString cupsd = systemProgram("cupsd");
        if (cupsd.isEmpty() || systemProgram("lpadmin").isEmpty() || systemProgram("lpstat").isEmpty())
            return "cupsd, lpadmin or lpstat is missing (scripts/setup-debian.sh installs cups-daemon and "
                   "cups-client)";
        for (const char* folder : {"etc", "spool/tmp", "cache", "state", "log"}) m_root.mkpath(folder);
        writeConfiguration();
        // The scheduler never outlives the test, however the test ends.
        m_daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_daemon.start(cupsd, {"-f", "-c", m_root.filePath("etc/cupsd.conf"), "-s",
                               m_root.filePath("etc/cups-files.conf")});
        if (!m_daemon.waitForStarted(5000)) return "cupsd cannot be started: " + m_daemon.errorString();
        const QDeadlineTimer deadline(kStartSeconds * 1000);
        while (!run("lpstat", {"-r"}).contains("scheduler is running")) {
            if (deadline.hasExpired() || m_daemon.state() == QProcess::NotRunning)
                return "cupsd did not come up: " + errorLog();
            QThread::msleep(100);
        }
        const QString added = run("lpadmin", {"-p", kQueue, "-E", "-v", "file:///dev/null", "-m", "raw"});
        if (!run("lpstat", {"-p", kQueue}).contains(kQueue)) return "the queue cannot be added: " + added;
        return {};
    }

    // A client program of CUPS talking to this scheduler; its output and errors.
    QString run(const QString& program, const QStringList& arguments) const
    {
        QProcess client;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("CUPS_SERVER", socket());
        client.setProcessEnvironment(environment);
        client.start(systemProgram(program), arguments);
        client.waitForFinished(10000);
        return QString::fromUtf8(client.readAllStandardOutput() + client.readAllStandardError());
    }

    // The document of job `job` as the queue received it; empty until it has arrived.
    QString document(int job) const
    {
        return m_root.filePath(QStringLiteral("spool/d%1-001").arg(job, 5, 10, QChar('0')));
    }

    QString errorLog() const
    {
        QFile log(m_root.filePath("log/error_log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll().right(2000)) : QString();
    }

private:
    void writeConfiguration()
    {
        writeFile(m_root.filePath("etc/cupsd.conf"), QStringLiteral("Listen %1\n"
                                                                    "Browsing No\n"
                                                                    "BrowseLocalProtocols none\n"
                                                                    "WebInterface No\n"
                                                                    "DefaultAuthType None\n"
                                                                    "PreserveJobFiles Yes\n"
                                                                    "<Location />\n"
                                                                    "  Order allow,deny\n"
                                                                    "  Allow all\n"
                                                                    "</Location>\n"
                                                                    "<Policy default>\n"
                                                                    "  <Limit All>\n"
                                                                    "    Order deny,allow\n"
                                                                    "  </Limit>\n"
                                                                    "</Policy>\n")
                                                         .arg(socket())
                                                         .toUtf8());
        const auto in = [this](const char* path) { return m_root.filePath(path); };
        writeFile(
            m_root.filePath("etc/cups-files.conf"),
            QStringLiteral("ServerRoot %1\nRequestRoot %2\nTempDir %3\nCacheDir %4\nStateDir %5\n"
                           "Printcap %6\nAccessLog %7\nErrorLog %8\nPageLog %9\n")
                .arg(in("etc"), in("spool"), in("spool/tmp"), in("cache"), in("state"), in("state/printcap"),
                     in("log/access_log"), in("log/error_log"), in("log/page_log"))
                .toUtf8());
    }

    QDir m_root;
    QProcess m_daemon;
};

class CupsPrinting : public ProgramPrinting {
protected:
    void SetUp() override
    {
        if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
        ASSERT_TRUE(cupsFolder.isValid());
        cups = std::make_unique<PrivateCups>(cupsFolder.path());
        const QString why = cups->start();
        if (!why.isEmpty()) GTEST_SKIP() << "no CUPS queue to print through: " << why.toStdString();
        // Every CUPS client of the program, Qt's printing included, reaches this scheduler only.
        qputenv("CUPS_SERVER", cups->socket().toUtf8());
        ProgramPrinting::SetUp();
    }
    void TearDown() override
    {
        ProgramPrinting::TearDown();
        cups.reset();
    }

    QTemporaryDir cupsFolder{QDir::tempPath() + "/kz-cups-XXXXXX"};
    std::unique_ptr<PrivateCups> cups;
};

}  // namespace

TEST_F(CupsPrinting, TheFormsQueueBecomesTheJobsPrinterAndTheJobArrivesThereWithEveryCopy)
{
    texts = {{kPrinter.in(kATRSection), kQueue}};
    ints = {{kReUsePrn.in(kATRSection), 1}, {kShowMarginDlg.in(kATRSection), 1}};
    startProgram();
    pressPrint({printCopies("2")});
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].printer, kQueue);
    EXPECT_TRUE(seen[0].alwaysThisPrinter);
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join("\n").toStdString();

    const QDeadlineTimer deadline(kJobSeconds * 1000);
    while (!cups->run("lpstat", {"-W", "completed", "-o", kQueue}).contains(kQueue + "-1")) {
        ASSERT_FALSE(deadline.hasExpired()) << "no job arrived: " << cups->errorLog().toStdString();
        QThread::msleep(100);
    }
    const QString document = cups->document(1);
    ASSERT_TRUE(QFile::exists(document));
    EXPECT_EQ(pdfPageCount(document), 2);
    int exporters = 0;
    for (const PdfWord& word : pdfWords(document)) exporters += word.text == "Brandel" ? 1 : 0;
    EXPECT_EQ(exporters, 2);
    // The form keeps its printer for the next job.
    EXPECT_EQ(atr(kPrinter), kQueue);
    EXPECT_EQ(atr(kReUsePrn), 1);
}
