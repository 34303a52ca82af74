#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "forms/FormList.h"
#include "forms/common/DetachedForm.h"
#include "tools/benchmark/BenchForms.h"
#include "tools/benchmark/FilledForms.h"
#include "tools/benchmark/PairedFigure.h"
#include "tools/benchmark/ProbedRun.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct FigureRow {
    const char* what;
    QList<double> measured;
    QList<double> floor;
    std::optional<double> limit;
    double medianMeasured;
    double medianFloor;
    double medianRatio;
    const char* verdict;
};

// The runs start the real program and the bare window with the probe, each in a home of its own.
class ProbedRunTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ProbedRun runner{KZ_START_PROBE_FILE, dir.filePath("cache")};

    ProbedRun::Result startProgram(const QString& home, const QList<int>& kinds) const
    {
        QStringList buttons;
        for (int kind : kinds) buttons.append(BenchForms::chooserButton(kind));
        return runner.run({KZ_PROGRAM_FILE, dir.filePath(home), buttons});
    }
};

}  // namespace

TEST(PairedFigureTest, MediansAndRatiosComeFromThePairs)
{
    const FigureRow rows[] = {
        // A ratio is taken within each pair: the median of 10, 1 and 3, not 10 over 10.
        {"ratios of pairs", {10, 10, 30}, {1, 10, 10}, 2.5, 10, 10, 3, "NOT MET"},
        {"even count", {4, 1, 3, 2}, {2, 1, 1, 2}, 2.0, 2.5, 1.5, 1.5, "met"},
        {"limit reached exactly", {6}, {2}, 3.0, 6, 2, 3, "met"},
        {"no limit", {5, 7}, {1, 1}, std::nullopt, 6, 1, 6, nullptr},
    };
    for (const FigureRow& row : rows) {
        SCOPED_TRACE(row.what);
        PairedFigure figure("figure", "ms", "floor", row.limit);
        for (qsizetype at = 0; at < row.measured.size(); ++at) figure.add(row.measured[at], row.floor[at]);
        EXPECT_DOUBLE_EQ(figure.medianMeasured(), row.medianMeasured);
        EXPECT_DOUBLE_EQ(figure.medianFloor(), row.medianFloor);
        EXPECT_DOUBLE_EQ(figure.medianRatio(), row.medianRatio);
        if (row.verdict) {
            EXPECT_TRUE(figure.row().contains(
                QStringLiteral("limit %1× %2").arg(*row.limit, 0, 'f', 2).arg(row.verdict)))
                << figure.row().toStdString();
        } else {
            EXPECT_FALSE(figure.row().contains("limit")) << figure.row().toStdString();
        }
    }
}

TEST_F(ProbedRunTest, TheBareWindowEndsAfterItsFirstPaint)
{
    const ProbedRun::Result run = runner.run({KZ_BARE_WINDOW_FILE, dir.filePath("bare"), {}});
    ASSERT_TRUE(run.ok) << run.error.toStdString();
    EXPECT_GT(run.firstPaintMs, 0);
    EXPECT_GE(run.wallMs, run.firstPaintMs);
    EXPECT_GT(run.peakMiB, 1);
    EXPECT_EQ(run.settingsReplacements, 0);
    EXPECT_EQ(run.formsShown, 0);
}

TEST_F(ProbedRunTest, TheProgramStartsToEachFormChosenAndEnds)
{
    for (int kind : BenchForms::withViews()) {
        SCOPED_TRACE(kind);
        const QString home = QStringLiteral("home-%1").arg(kind);
        const ProbedRun::Result first = startProgram(home, {kind});
        ASSERT_TRUE(first.ok) << first.error.toStdString();
        EXPECT_EQ(first.formsShown, 1);
        EXPECT_GE(first.settingsReplacements, 1);
        EXPECT_TRUE(QFileInfo(ProbedRun::settingsFolder(dir.filePath(home))).isDir());
        const ProbedRun::Result later = startProgram(home, {kind});
        ASSERT_TRUE(later.ok) << later.error.toStdString();
        EXPECT_GT(later.firstPaintMs, 0);
        EXPECT_EQ(later.settingsReplacements, 0);
    }
}

TEST_F(ProbedRunTest, OneFormOfEachKindOpensBeforeTheRunEnds)
{
    const ProbedRun::Result run = startProgram("all", BenchForms::all());
    ASSERT_TRUE(run.ok) << run.error.toStdString();
    EXPECT_EQ(run.formsShown, BenchForms::all().size());
}

// What only a print or the update check needs is loaded when it is first used, not at every start.
TEST_F(ProbedRunTest, AStartToEachFormLoadsNeitherTheNetworkNorThePrintingLibraries)
{
    const ProbedRun::Result run = startProgram("all", BenchForms::all());
    ASSERT_TRUE(run.ok) << run.error.toStdString();
    EXPECT_TRUE(run.libraries.join(u' ').contains("libQt6Widgets")) << run.libraries.join(u' ').toStdString();
    for (const char* library :
         {"libQt6Network", "libkz-network", "libproxy", "libcups", "libgnutls", "libgssapi_krb5", "libavahi"})
        EXPECT_FALSE(run.libraries.join(u' ').contains(library)) << library;
}

TEST_F(ProbedRunTest, ARunThatFailsOrHangsIsReportedAndEnded)
{
    struct Row {
        const char* what;
        QString program;
        QStringList choose;
        const char* error;
    };
    const Row rows[] = {
        {"missing", dir.filePath("missing"), {}, "cannot start"},
        {"ends without painting", "/bin/true", {}, "did not paint"},
        // The bare window has no chooser: the probe waits for a form that never comes.
        {"hangs", KZ_BARE_WINDOW_FILE, {BenchForms::chooserButton(0)}, "hung"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QElapsedTimer timer;
        timer.start();
        const ProbedRun::Result run = runner.run({row.program, dir.filePath("home"), row.choose, 1500});
        EXPECT_FALSE(run.ok);
        EXPECT_TRUE(run.error.contains(row.error)) << run.error.toStdString();
        EXPECT_LT(timer.elapsed(), 20'000);
    }
}

TEST(FilledFormsTest, EveryFieldAndCellOfEachFormHoldsTheText)
{
    QTemporaryDir dir;
    CQELWinAppEx app(dir.filePath("config"));
    app.InitInstance();
    FilledForms forms(app, dir.path());
    QString error;
    ASSERT_TRUE(forms.write(error)) << error.toStdString();
    for (int kind : BenchForms::all()) {
        SCOPED_TRACE(kind);
        DetachedForm form = DetachedForm::Create(forms.templates().at(kind));
        ASSERT_TRUE(form.doc->OnOpenDocument(forms.path(kind)));
        CQeEditWindow& editor = form.editor();
        const QString text = editor.GetFieldText(0, 1);
        EXPECT_GT(text.count("\r\n"), 1);
        for (std::uint16_t field = 0; field < editor.GetLineCount(); ++field)
            EXPECT_EQ(editor.GetFieldText(field, 1), text) << field;
        for (std::uint16_t page = 2; editor.GetColumnCount() > 0 && page <= editor.GetPageCount(); ++page) {
            for (std::uint16_t column = 0; column < editor.GetColumnCount(); ++column)
                EXPECT_EQ(editor.GetFieldText(column, page), text) << page << ' ' << column;
        }
    }
}

// The tool as a developer runs it, one part at a time, with the fewest runs: every figure is there with its
// ratio, for every form it applies to.
TEST(BenchmarkToolTest, EachPartReportsItsFiguresWithRatios)
{
    QStringList viewed, printed, all;
    for (int kind : BenchForms::all()) {
        const FormDefinition& form = *AllForms()[kind];
        all.append(BenchForms::label(form));
        if (form.createView) viewed.append(BenchForms::label(form));
        if (form.createPrinting) printed.append(BenchForms::label(form));
    }
    struct Row {
        const char* part;
        QStringList figures;
    };
    QList<Row> rows{{"start", {"peak memory, one form of each kind open"}}, {"paint", {}}, {"files", {}}};
    for (const QString& form : viewed) {
        rows[0].figures << "start to first paint, fresh: " + form
                        << "start to first paint, registered: " + form
                        << "settings files replaced, first start: " + form
                        << "settings files replaced, later start: " + form;
        rows[1].figures << "full repaint, zoom 10: " + form << "full repaint, zoom 25: " + form
                        << "zoom 10: " + form << "zoom 25: " + form;
    }
    for (const QString& form : all) rows[2].figures << "open: " + form << "save: " + form;
    for (const QString& form : printed) rows[2].figures << "print sheet 1 into a PDF: " + form;

    for (const Row& row : rows) {
        SCOPED_TRACE(row.part);
        QProcess tool;
        tool.start(KZ_BENCHMARK_FILE, {"--runs", "1", "--samples", "2", "--only", row.part});
        ASSERT_TRUE(tool.waitForFinished(120'000));
        const QString report = QString::fromUtf8(tool.readAllStandardOutput());
        EXPECT_EQ(tool.exitCode(), 0) << report.toStdString() << tool.readAllStandardError().toStdString();
        for (const QString& figure : row.figures) {
            const qsizetype at = report.indexOf(figure);
            ASSERT_GE(at, 0) << figure.toStdString() << '\n' << report.toStdString();
            const QString line = report.mid(at, report.indexOf('\n', at) - at);
            EXPECT_TRUE(line.contains(QStringLiteral("×")) || line.contains("limit")) << line.toStdString();
        }
    }
}
