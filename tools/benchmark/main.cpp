// kz-benchmark: how fast the program starts, paints, opens, saves and prints, each figure beside its floor
// (a bare Qt window, an empty widget, the bare file read) measured in turns with it in the same run, so that
// the ratios hold on a busy machine. A development aid; not installed, not a test.
//
//   kz-benchmark [--runs N] [--samples N] [--only start|paint|files|hostile]
//
// --runs: pairs of starts per figure (default 11); --samples: pairs of repaints, opens, saves and prints per
// figure (default 31). The hostile part times each step once with texts far longer than their boxes.
// Everything runs offscreen in a temporary home; the user's settings are never touched.

#include "app/CQELWinAppEx.h"
#include "tools/benchmark/FileBench.h"
#include "tools/benchmark/FilledForms.h"
#include "tools/benchmark/HostileBench.h"
#include "tools/benchmark/PaintBench.h"
#include "tools/benchmark/PairedFigure.h"
#include "tools/benchmark/StartBench.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

constexpr int kFailed = 2;

// The benchmark's own documents and views keep their settings in the scratch folder, like every started run.
void useHome(const QString& home)
{
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString runtime = home + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().trimmed())
                                          : QStringLiteral("?");
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir scratch;
    if (!scratch.isValid()) return kFailed;
    const QString home = scratch.filePath(QStringLiteral("benchmark-home"));
    useHome(home);
    QApplication qtApp(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption runsOption("runs", "Pairs of starts per figure.", "N", "11");
    const QCommandLineOption samplesOption("samples", "Pairs of repaints, opens, saves, prints per figure.",
                                           "N", "31");
    const QCommandLineOption onlyOption("only", "Only one part: start, paint, files or hostile.", "part");
    parser.addOptions({runsOption, samplesOption, onlyOption});
    parser.process(qtApp);
    const int runs = std::max(1, parser.value(runsOption).toInt());
    const int samples = std::max(1, parser.value(samplesOption).toInt());
    const QString only = parser.value(onlyOption);

    QTextStream out(stdout);
    out << "kz-benchmark: " << QThread::idealThreadCount() << " cores, load " << loadAverage() << '\n'
        << PairedFigure::header() << '\n';
    out.flush();
    bool ok = true;
    if (only.isEmpty() || only == "start") {
        StartBench start({KZ_PROGRAM_FILE, KZ_BARE_WINDOW_FILE, KZ_START_PROBE_FILE},
                         scratch.filePath("starts"), runs);
        ok = start.run(out) && ok;
    }
    CQELWinAppEx app(home + QStringLiteral("/.config/") + CQELWinAppEx::kProgramId.toString());
    app.InitInstance();
    FilledForms forms(app, scratch.path());
    QString error;
    if (!forms.write(error)) {
        out << "cannot write the filled forms: " << error << '\n';
        return kFailed;
    }
    if (only.isEmpty() || only == "paint") ok = PaintBench(forms, samples).run(out) && ok;
    if (only.isEmpty() || only == "files") ok = FileBench(app, forms, scratch.path(), samples).run(out) && ok;
    if (only.isEmpty() || only == "hostile") ok = HostileBench(app, scratch.path()).run(out) && ok;
    out << "load at the end " << loadAverage() << '\n';
    return ok ? 0 : kFailed;
}
