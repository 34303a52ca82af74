#pragma once

#include <QList>
#include <QString>
#include <optional>

// One figure of the benchmark: samples of what is measured, each taken next to a sample of its floor (what
// the same work costs without the program: a bare Qt window, an empty widget, the bare file read), so that
// both meet the same load of the machine. The figure is the median of each and the median of the ratios of
// the pairs; on a busy machine the ratio holds when the times do not.
class PairedFigure {
public:
    // The width of the name column of the report.
    static constexpr int kNameWidth = 58;

    PairedFigure(QString name, QString unit, QString floorName, std::optional<double> limit = {});

    void add(double measured, double floor);
    bool isEmpty() const { return m_measured.isEmpty(); }

    double medianMeasured() const;
    double medianFloor() const;
    double medianRatio() const;

    // One line of the report: name, medians, ratio, and against its limit where it has one.
    QString row() const;
    static QString header();

    static double median(QList<double> values);

private:
    QString m_name;
    QString m_unit;
    QString m_floorName;
    std::optional<double> m_limit;
    QList<double> m_measured;
    QList<double> m_floor;
    QList<double> m_ratios;
};
