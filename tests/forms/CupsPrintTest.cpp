// Printing through real CUPS queues: a scheduler of the test's own, reached only through a socket in the
// test's folder, with two queues that send what they print nowhere and keep every job's document: one whose
// printable area is the whole sheet, one with the margins of a printer that cannot print to the paper's edge.
// Jobs go there as the user sends them, and their documents, copies and names are read back.

#include "platform/command/StandardCommands.h"
#include "platform/print/PrinterCatalog.h"
#include "tests/forms/ATRPrintedPlaces.h"
#include "tests/forms/ProgramPrinting.h"
#include "tests/support/TestFiles.h"

#include <sys/prctl.h>
#include <unistd.h>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QThread>
#include <csignal>
#include <iostream>

using namespace settings;

namespace {

constexpr int kStartSeconds = 15;
constexpr int kJobSeconds = 30;
const QString kQueue = "Zollbuero";
const QString kMarginQueue = "Lagerdrucker";

// The printable area of A4 in points from the lower-left corner, as a driver describes it: the whole sheet,
// or 18 pt (6.35 mm) in from the sides, 29 pt (10.23 mm) from the top and 36 pt from the bottom.
const QString kWholeSheet = "0 0 595 842";
const QString kWithMargins = "18 36 577 813";
const QPointF kHardwareMargins(63.5, 102.3);  // tenths of a millimetre, left and top
const QString kJobNotStarted = "Der Druckauftrag konnte nicht gestartet werden.";

// A driver description of a printer that takes PDF as it is, with A4 paper and the given printable area.
QByteArray driverFor(const QString& model, const QString& printableArea)
{
    return QStringLiteral(
               "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
               "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n*PCFileName: \"KZTEST.PPD\"\n"
               "*Manufacturer: \"Test\"\n*Product: \"(Test)\"\n*ModelName: \"%1\"\n"
               "*ShortNickName: \"%1\"\n*NickName: \"%1\"\n*PSVersion: \"(3010.000) 0\"\n"
               "*LanguageLevel: \"3\"\n*ColorDevice: False\n*DefaultColorSpace: Gray\n"
               "*FileSystem: False\n*cupsFilter: \"application/pdf 0 -\"\n"
               "*OpenUI *PageSize/Page Size: PickOne\n*OrderDependency: 10 AnySetup *PageSize\n"
               "*DefaultPageSize: A4\n*PageSize A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n"
               "*CloseUI: *PageSize\n*OpenUI *PageRegion/Page Region: PickOne\n"
               "*OrderDependency: 10 AnySetup *PageRegion\n*DefaultPageRegion: A4\n"
               "*PageRegion A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n*CloseUI: *PageRegion\n"
               "*DefaultImageableArea: A4\n*ImageableArea A4/A4: \"%2\"\n"
               "*DefaultPaperDimension: A4\n*PaperDimension A4/A4: \"595 842\"\n")
        .arg(model, printableArea)
        .toLatin1();
}

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
        for (const auto& [queue, area] :
             {std::pair(kQueue, kWholeSheet), std::pair(kMarginQueue, kWithMargins)}) {
            if (const QString failed = addQueue(queue, area); !failed.isEmpty()) return failed;
        }
        return {};
    }

    // Empty when the queue, printing the whole sheet or with margins, is there; otherwise why not.
    QString addQueue(const QString& queue, const QString& area = kWholeSheet)
    {
        const QString driver = m_root.filePath(queue + ".ppd");
        writeFile(driver, driverFor(queue, area));
        const QString added = run("lpadmin", {"-p", queue, "-E", "-v", "file:///dev/null", "-P", driver});
        return run("lpstat", {"-p", queue}).contains(queue) ? QString()
                                                            : "the queue cannot be added: " + added;
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

    // What the scheduler noted of a finished job: its copies and its name.
    struct JobRecord {
        int copies = 0;
        QString name;
    };
    std::optional<JobRecord> record(int job) const
    {
        QFile log(m_root.filePath("log/page_log"));
        if (!log.open(QIODevice::ReadOnly)) return std::nullopt;
        for (const QString& line : QString::fromUtf8(log.readAll()).split('\n')) {
            const QStringList parts = line.split(' ');
            // A job that names no copies ("-") gets the queue's default of one.
            if (parts.size() >= 3 && parts[0] == QString::number(job))
                return JobRecord{parts[1] == "-" ? 1 : parts[1].toInt(), parts.mid(2).join(' ')};
        }
        return std::nullopt;
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
                                                                    "PageLogFormat %j %{copies} %{job-name}\n"
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

// One scheduler serves every test of the program: CUPS clients, Qt's printing among them, look the scheduler
// up once per process. Each test counts its jobs from the ones printed before it.
class CupsPrinting : public ProgramPrinting {
protected:
    static void SetUpTestSuite()
    {
        if (!hasPdfTools()) {
            whyNot = "poppler-utils is not installed";
            return;
        }
        cupsFolder = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/kz-cups-XXXXXX");
        cups = std::make_unique<PrivateCups>(cupsFolder->path());
        whyNot = cups->start();
        // Every CUPS client of the program, Qt's printing included, reaches this scheduler only.
        if (whyNot.isEmpty()) qputenv("CUPS_SERVER", cups->socket().toUtf8());
    }
    static void TearDownTestSuite()
    {
        cups.reset();
        cupsFolder.reset();
    }
    void SetUp() override
    {
        if (!whyNot.isEmpty()) GTEST_SKIP() << "no CUPS queue to print through: " << whyNot.toStdString();
        ProgramPrinting::SetUp();
    }

    // The number the next job will get: one after the last job of any queue.
    static int nextJob()
    {
        static const QRegularExpression jobId(R"(^\S+-(\d+)\s)", QRegularExpression::MultilineOption);
        int last = 0;
        for (const QRegularExpressionMatch& m : jobId.globalMatch(cups->run("lpstat", {"-W", "all", "-o"})))
            last = std::max(last, m.captured(1).toInt());
        return last + 1;
    }

    // Waits until job `job` of `queue` has been printed: its document as the queue received it, and what
    // the scheduler noted of it.
    std::pair<QString, PrivateCups::JobRecord> printed(const QString& queue, int job)
    {
        static const QRegularExpression kBlanks(R"(\s+)");
        const QString name = QStringLiteral("%1-%2").arg(queue).arg(job);
        const QDeadlineTimer deadline(kJobSeconds * 1000);
        while (!cups->run("lpstat", {"-W", "completed", "-o", queue}).split(kBlanks).contains(name) ||
               !cups->record(job)) {
            if (deadline.hasExpired()) {
                ADD_FAILURE() << "job " << name.toStdString()
                              << " never arrived: " << cups->errorLog().toStdString();
                return {};
            }
            QThread::msleep(100);
        }
        return {cups->document(job), *cups->record(job)};
    }

    // The printer set-up as a person uses it: picks `queue` and asks for `copies` wherever it offers copies.
    void setUpPrinter(const QString& queue, int copies)
    {
        answers = {[&](QDialog& dialog) {
            auto* printers = dialog.findChild<QComboBox*>("printers");
            ASSERT_NE(printers, nullptr);
            printers->setCurrentIndex(printers->findText(queue));
            auto* copyCount = dialog.findChild<QSpinBox*>("copies");
            auto* tabs = dialog.findChild<QTabWidget*>("tabs");
            for (int tab = 0; copyCount && tabs && tab < tabs->count(); ++tab) {
                if (!tabs->widget(tab)->isAncestorOf(copyCount)) continue;
                tabs->setCurrentIndex(tab);
                copyCount->setValue(copies);
                offeredCopies = true;
            }
            dialog.accept();
        }};
        app->mainFrame()->ExecuteCommand(platform::ID_FILE_PRINT_SETUP);
        EXPECT_TRUE(answers.isEmpty()) << "no printer set-up";
    }

    static inline std::unique_ptr<QTemporaryDir> cupsFolder;
    static inline std::unique_ptr<PrivateCups> cups;
    static inline QString whyNot;
    bool offeredCopies = false;
};

}  // namespace

TEST_F(CupsPrinting, TheFormsQueueBecomesTheJobsPrinterAndTheJobArrivesThereWithEveryCopy)
{
    texts = {{kPrinter.in(kATRSection), kQueue}};
    ints = {{kReUsePrn.in(kATRSection), 1}, {kShowMarginDlg.in(kATRSection), 1}};
    startProgram();
    const int jobNumber = nextJob();
    pressPrint({printCopies("2")});
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].printer, kQueue);
    EXPECT_TRUE(seen[0].alwaysThisPrinter);
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join("\n").toStdString();

    const auto [document, job] = printed(kQueue, jobNumber);
    ASSERT_TRUE(QFile::exists(document));
    EXPECT_EQ(pdfPageCount(document), 2);
    int exporters = 0;
    for (const PdfWord& word : pdfWords(document)) exporters += word.text == "Brandel" ? 1 : 0;
    EXPECT_EQ(exporters, 2);
    // Copies are pages of one job, which carries the form's name.
    EXPECT_EQ(job.copies, 1);
    EXPECT_EQ(job.name, "lieferung.fma");
    // The form keeps its printer for the next job.
    EXPECT_EQ(atr(kPrinter), kQueue);
    EXPECT_EQ(atr(kReUsePrn), 1);
    // The support report names the device the queue sends its jobs to.
    const std::optional<platform::PrinterCatalog::Details> queue = platform::PrinterCatalog::details(kQueue);
    ASSERT_TRUE(queue);
    EXPECT_EQ(queue->deviceUri, "file:///dev/null");
}

TEST_F(CupsPrinting, EveryQueuePrintsFromTheCornerOfItsPrintableAreaWithAndWithoutMargins)
{
    const struct {
        QString queue;
        QPointF hardwareMargins;
    } queues[] = {{kQueue, {}}, {kMarginQueue, kHardwareMargins}};
    for (const auto& [queue, hardwareMargins] : queues) {
        for (const QPoint margins : {QPoint(0, 0), QPoint(15, -5)}) {
            SCOPED_TRACE(queue.toStdString() + " " + std::to_string(margins.x()));
            texts = {{kPrinter.in(kATRSection), queue}};
            ints = {{kReUsePrn.in(kATRSection), 1},
                    {kShowMarginDlg.in(kATRSection), 1},
                    {kLeftMargin1.in(kATRSection), margins.x()},
                    {kTopMargin1.in(kATRSection), margins.y()}};
            startProgram();
            const int job = nextJob();
            pressPrint({ok()});
            const QString document = printed(queue, job).first;
            ASSERT_TRUE(QFile::exists(document));
            expectExporterInBoxOne(document, hardwareMargins + margins);
            expectReferenceMarks(document, QDir(dir.path()), hardwareMargins + margins);
        }
    }
}

TEST_F(CupsPrinting, CopiesOfThePrinterSetUpNeverMultiplyAJob)
{
    ints = {{kShowMarginDlg.in(kATRSection), 1}};
    startProgram();
    setUpPrinter(kQueue, 2);
    EXPECT_FALSE(offeredCopies) << "the printer set-up offers copies";
    const int jobNumber = nextJob();
    pressPrint({printCopies("1")});
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].printer, kQueue);

    const auto [document, job] = printed(kQueue, jobNumber);
    EXPECT_EQ(pdfPageCount(document), 1);
    EXPECT_EQ(job.copies, 1);
}

TEST_F(CupsPrinting, AJobTheQueueNeverGetsIsToldAndLeavesNoJobBehind)
{
    // The queue chosen in the set-up stops taking jobs while the program runs.
    const struct {
        QString queue;
        QString program;
        QStringList arguments;
    } rows[] = {{"Entfernt", "lpadmin", {"-x", "Entfernt"}}, {"Gesperrt", "cupsreject", {"Gesperrt"}}};
    for (const auto& [queue, program, arguments] : rows) {
        SCOPED_TRACE(queue.toStdString());
        ASSERT_EQ(cups->addQueue(queue), "");
        ints = {{kShowMarginDlg.in(kATRSection), 1}};
        startProgram();
        setUpPrinter(queue, 1);
        cups->run(program, arguments);
        const int jobNumber = nextJob();
        ui.messages.clear();
        pressPrint({printCopies("1")});
        ASSERT_FALSE(seen.isEmpty());
        EXPECT_EQ(seen.last().printer, queue);
        EXPECT_EQ(ui.messages, QStringList({kJobNotStarted}));
        EXPECT_EQ(nextJob(), jobNumber);
        cups->run("lpadmin", {"-x", queue});
    }
    // A queue that takes the job again prints it without a word.
    startProgram();
    setUpPrinter(kQueue, 1);
    ui.messages.clear();
    const int jobNumber = nextJob();
    pressPrint({printCopies("1")});
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join("\n").toStdString();
    EXPECT_TRUE(QFile::exists(printed(kQueue, jobNumber).first));
}
