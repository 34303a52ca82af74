#include "tools/benchmark/StartBench.h"

#include "forms/FormList.h"
#include "tools/benchmark/BenchForms.h"
#include "tools/benchmark/PairedFigure.h"

#include <QDir>
#include <algorithm>
#include <map>

namespace {

constexpr double kFreshLimit = 2.0;
constexpr double kRegisteredLimit = 1.5;
constexpr double kMemoryLimit = 1.25;
constexpr int kFirstStartReplacementLimit = 10;
constexpr int kLaterStartReplacementLimit = 0;

QString countRow(const QString& name, const QList<double>& counts, int limit)
{
    const double most = counts.isEmpty() ? 0 : *std::max_element(counts.begin(), counts.end());
    return QStringLiteral("%1 %2 %3   limit %4 %5")
        .arg(name, -PairedFigure::kNameWidth)
        .arg(PairedFigure::median(counts), 12, 'f', 0)
        .arg(QStringLiteral("(most %1)").arg(most), 12)
        .arg(limit)
        .arg(most <= limit ? QStringLiteral("met") : QStringLiteral("NOT MET"));
}

}  // namespace

// The figures of one form's starts.
struct StartBench::FormStarts {
    explicit FormStarts(const QString& name)
        : fresh("start to first paint, fresh: " + name, "ms", "bare window", kFreshLimit),
          registered("start to first paint, registered: " + name, "ms", "bare window", kRegisteredLimit),
          freshEnd("start to the end of the run, fresh: " + name, "ms", "bare window")
    {
    }

    PairedFigure fresh;
    PairedFigure registered;
    PairedFigure freshEnd;
    QList<double> firstStartReplacements;
    QList<double> laterStartReplacements;
    QString registeredHome;
};

StartBench::StartBench(Programs programs, QString scratch, int runs)
    : m_programs(std::move(programs)),
      m_scratch(std::move(scratch)),
      m_runs(runs),
      m_runner(m_programs.probe, m_scratch + QStringLiteral("/cache"))
{
}

QString StartBench::freshHome()
{
    const QString home = QStringLiteral("%1/home-%2").arg(m_scratch).arg(++m_homes);
    QDir().mkpath(home);
    return home;
}

ProbedRun::Result StartBench::startProgram(const QString& home, const QList<int>& kinds) const
{
    QStringList buttons;
    for (int kind : kinds) buttons.append(BenchForms::chooserButton(kind));
    return m_runner.run({m_programs.program, home, buttons});
}

ProbedRun::Result StartBench::startBareWindow() const
{
    return m_runner.run({m_programs.bareWindow, m_scratch + QStringLiteral("/bare-home"), {}});
}

// A start of the program and one of the bare window, the program first in every other round so that neither
// side always meets a warmer cache or the same moment of another job on the machine.
bool StartBench::pair(const std::function<ProbedRun::Result()>& program, int round,
                      ProbedRun::Result& measured, ProbedRun::Result& floor) const
{
    const bool programFirst = round % 2 == 0;
    if (programFirst) measured = program();
    floor = startBareWindow();
    if (!programFirst) measured = program();
    m_lastError = !measured.ok ? measured.error : floor.error;
    return measured.ok && floor.ok;
}

bool StartBench::startForm(int kind, int round, FormStarts& form) const
{
    ProbedRun::Result measured, floor;
    const QString home = QStringLiteral("%1/fresh-%2-%3").arg(m_scratch).arg(kind).arg(round);
    if (!pair([&] { return startProgram(home, {kind}); }, round, measured, floor)) return false;
    QDir(home).removeRecursively();
    form.fresh.add(measured.firstPaintMs, floor.firstPaintMs);
    form.freshEnd.add(measured.wallMs, floor.wallMs);
    form.firstStartReplacements.append(measured.settingsReplacements);

    if (!pair([&] { return startProgram(form.registeredHome, {kind}); }, round, measured, floor))
        return false;
    form.registered.add(measured.firstPaintMs, floor.firstPaintMs);
    form.laterStartReplacements.append(measured.settingsReplacements);
    return true;
}

bool StartBench::run(QTextStream& out)
{
    std::map<int, FormStarts> starts;
    for (int kind : BenchForms::withViews()) {
        FormStarts& form = starts.try_emplace(kind, BenchForms::label(*AllForms()[kind])).first->second;
        // Registered by a first start that is not measured.
        form.registeredHome = freshHome();
        if (const ProbedRun::Result first = startProgram(form.registeredHome, {kind}); !first.ok) {
            out << first.error << '\n';
            return false;
        }
    }
    PairedFigure memory("peak memory, one form of each kind open", "MiB", "bare window", kMemoryLimit);
    const QString memoryHome = freshHome();
    startProgram(memoryHome, BenchForms::all());

    for (int round = 0; round < m_runs; ++round) {
        for (auto& [kind, form] : starts) {
            if (!startForm(kind, round, form)) {
                out << m_lastError << '\n';
                return false;
            }
        }
        ProbedRun::Result measured, floor;
        if (!pair([&] { return startProgram(memoryHome, BenchForms::all()); }, round, measured, floor)) {
            out << m_lastError << '\n';
            return false;
        }
        if (measured.formsShown != BenchForms::all().size()) {
            out << "the run for the peak memory showed " << measured.formsShown << " forms only\n";
            return false;
        }
        memory.add(measured.peakMiB, floor.peakMiB);
    }

    for (const auto& [kind, form] : starts) {
        const QString name = BenchForms::label(*AllForms()[kind]);
        out << form.fresh.row() << '\n' << form.registered.row() << '\n' << form.freshEnd.row() << '\n';
        out << countRow("settings files replaced, first start: " + name, form.firstStartReplacements,
                        kFirstStartReplacementLimit)
            << '\n';
        out << countRow("settings files replaced, later start: " + name, form.laterStartReplacements,
                        kLaterStartReplacementLimit)
            << '\n';
    }
    out << memory.row() << '\n';
    return true;
}
