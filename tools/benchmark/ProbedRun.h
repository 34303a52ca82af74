#pragma once

#include <QString>
#include <QStringList>

// One start of a program with the start probe preloaded, in a home folder of its own, offscreen: the time
// from the start of the process to its first paint and to its end, its peak memory, and how often it
// replaced a file in the program's settings folder.
class ProbedRun {
public:
    struct Request {
        QString program;
        QString home;
        // Object names of the new-form chooser's buttons, one per form to open; empty for the bare window.
        QStringList choose;
        // A run that takes longer has hung (a dialog nobody answers): it is ended and reported.
        int deadlineMs = 60'000;
    };
    struct Result {
        bool ok = false;
        QString error;
        double firstPaintMs = 0;
        double wallMs = 0;
        double peakMiB = 0;
        int settingsReplacements = 0;
        // The new forms that showed (none for the bare window).
        int formsShown = 0;
        // The shared libraries the program had loaded when it ended.
        QStringList libraries;
    };

    // `probe` is the start probe's library, `cache` the cache folder all runs share (font caches).
    ProbedRun(QString probe, QString cache);

    Result run(const Request& request) const;

    // The program's settings folder under a run's home.
    static QString settingsFolder(const QString& home);

private:
    QStringList environment(const Request& request, const QString& report) const;

    QString m_probe;
    QString m_cache;
};
