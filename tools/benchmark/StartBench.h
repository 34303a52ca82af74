#pragma once

#include "tools/benchmark/ProbedRun.h"

#include <QString>
#include <QTextStream>
#include <functional>

// Starts the program to the first paint of a new form of each kind that has a view, fresh (a home never used)
// and registered (a home the program started in before), each start paired with a start of the bare window;
// the peak memory with one form of each kind open against the bare window's; and the settings files the
// program replaced at a first and at a later start.
class StartBench {
public:
    struct Programs {
        QString program;
        QString bareWindow;
        QString probe;
    };

    StartBench(Programs programs, QString scratch, int runs);

    // Writes the figures to `out`; false when a run failed (the failure is written too).
    bool run(QTextStream& out);

private:
    struct FormStarts;

    bool pair(const std::function<ProbedRun::Result()>& program, int round, ProbedRun::Result& measured,
              ProbedRun::Result& floor) const;
    // A fresh and a registered start of the form at `kind`, each paired with the bare window.
    bool startForm(int kind, int round, FormStarts& form) const;
    // One start of the program to the forms of `kinds` (indices into the list of forms) in `home`.
    ProbedRun::Result startProgram(const QString& home, const QList<int>& kinds) const;
    ProbedRun::Result startBareWindow() const;
    QString freshHome();

    Programs m_programs;
    QString m_scratch;
    int m_runs;
    ProbedRun m_runner;
    int m_homes = 0;
    mutable QString m_lastError;
};
