#include "tools/benchmark/PaintBench.h"

#include "forms/FormList.h"
#include "forms/common/FormDocument.h"
#include "forms/common/FormView.h"
#include "tools/benchmark/BenchForms.h"
#include "tools/benchmark/FilledForms.h"
#include "tools/benchmark/PairedFigure.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <functional>
#include <memory>

namespace {

// The view's window: about a maximized window's form area on a screen of 1920 × 1200.
constexpr QSize kWindowSize(1600, 1000);
constexpr double kRepaintLimit = 3.0;
constexpr int kWarmUps = 3;

double timedMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void zoomTo(FormView& view, int zoom)
{
    while (view.zoom() < zoom && view.CQEScrollViewBase::OnUpdateZoomIn()) view.OnZoomIn();
    while (view.zoom() > zoom && view.CQEScrollViewBase::OnUpdateZoomOut()) view.OnZoomOut();
    QApplication::processEvents();
}

// Full repaints of the view against repaints of an empty widget of its size, in turns.
PairedFigure repaints(FormView& view, const QString& name, int samples)
{
    QWidget empty;
    empty.setAutoFillBackground(true);
    empty.resize(view.viewport()->size());
    empty.show();
    QApplication::processEvents();
    PairedFigure figure(
        QStringLiteral("full repaint, zoom %1: %2").arg(view.zoom()).arg(name), "ms", "empty widget",
        view.zoom() == CQEScrollViewBase::kLargestZoomStep ? std::optional<double>(kRepaintLimit)
                                                           : std::nullopt);
    for (int warmUp = 0; warmUp < kWarmUps; ++warmUp) view.viewport()->repaint();
    for (int sample = 0; sample < samples; ++sample) {
        const double form = timedMs([&] { view.viewport()->repaint(); });
        figure.add(form, timedMs([&] { empty.repaint(); }));
    }
    return figure;
}

// One step of the scroll bar's arrow, down and up in turns, with what Qt then paints; against what the same
// step costs an empty widget of the view's size (moving what it shows and filling the strip exposed) plus a
// full repaint of the form scaled to the share of the window that the step exposes.
PairedFigure scrollSteps(FormView& view, const QString& name, int samples)
{
    QScrollBar& bar = *view.verticalScrollBar();
    bar.setValue(bar.maximum() / 2);
    QWidget empty;
    empty.setAutoFillBackground(true);
    empty.resize(view.viewport()->size());
    empty.show();
    QApplication::processEvents();
    const int step = bar.singleStep();
    const double share = std::min(1.0, static_cast<double>(step) / view.viewport()->height());
    PairedFigure figure(
        QStringLiteral("scroll step of %1 px, zoom %2: %3").arg(step).arg(view.zoom()).arg(name), "ms",
        QStringLiteral("an empty widget's step + full repaint × %1 (strip exposed)").arg(share, 0, 'f', 3));
    for (int sample = 0; sample < samples; ++sample) {
        const bool down = sample % 2 == 0;
        const double form = timedMs([&] {
            bar.triggerAction(down ? QAbstractSlider::SliderSingleStepAdd
                                   : QAbstractSlider::SliderSingleStepSub);
            QApplication::processEvents();
        });
        const double emptyStep = timedMs([&] {
            empty.scroll(0, down ? -step : step);
            QApplication::processEvents();
        });
        figure.add(form, emptyStep + share * timedMs([&] { view.viewport()->repaint(); }));
    }
    return figure;
}

}  // namespace

PaintBench::PaintBench(const FilledForms& forms, int samples) : m_forms(forms), m_samples(samples) {}

bool PaintBench::run(QTextStream& out)
{
    for (int kind : BenchForms::withViews()) {
        const QString name = BenchForms::label(*AllForms()[kind]);
        const platform::DocTemplate& docTemplate = m_forms.templates().at(kind);
        // As File Open makes it: the document and its view first, then the file read into them.
        std::unique_ptr<platform::Document> doc = docTemplate.createDocument();
        std::unique_ptr<FormView> view(static_cast<FormView*>(docTemplate.createView(*doc)));
        if (!doc->OnOpenDocument(m_forms.path(kind))) {
            out << "cannot open " << m_forms.path(kind) << ": " << doc->lastError() << '\n';
            return false;
        }
        view->OnInitialUpdate();
        view->resize(kWindowSize);
        view->show();
        QApplication::processEvents();
        for (int zoom : {CQEScrollViewBase::kSmallestZoomStep, CQEScrollViewBase::kLargestZoomStep}) {
            zoomTo(*view, zoom);
            out << repaints(*view, name, m_samples).row() << '\n';
            out << scrollSteps(*view, name, m_samples).row() << '\n';
            out.flush();
        }
    }
    return true;
}
