#pragma once

#include <QTextStream>

class FilledForms;

// Repaints each form that has a view, opened from its filled file, at the smallest and the largest zoom step,
// against an empty widget of the view's size; and scrolls it by one step, against the full repaint's cost
// for the strip that the step exposes.
class PaintBench {
public:
    PaintBench(const FilledForms& forms, int samples);

    // Writes the figures to `out`; false when a form would not open.
    bool run(QTextStream& out);

private:
    const FilledForms& m_forms;
    int m_samples;
};
