#include "tools/benchmark/PairedFigure.h"

#include <algorithm>

PairedFigure::PairedFigure(QString name, QString unit, QString floorName, std::optional<double> limit)
    : m_name(std::move(name)), m_unit(std::move(unit)), m_floorName(std::move(floorName)), m_limit(limit)
{
}

void PairedFigure::add(double measured, double floor)
{
    m_measured.append(measured);
    m_floor.append(floor);
    if (floor > 0) m_ratios.append(measured / floor);
}

double PairedFigure::median(QList<double> values)
{
    if (values.isEmpty()) return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double PairedFigure::medianMeasured() const
{
    return median(m_measured);
}

double PairedFigure::medianFloor() const
{
    return median(m_floor);
}

double PairedFigure::medianRatio() const
{
    return median(m_ratios);
}

QString PairedFigure::header()
{
    return QStringLiteral("%1 %2 %3 %4  %5")
        .arg(QStringLiteral("figure"), -PairedFigure::kNameWidth)
        .arg(QStringLiteral("median"), 12)
        .arg(QStringLiteral("floor"), 12)
        .arg(QStringLiteral("ratio"), 7)
        .arg(QStringLiteral("floor is / limit"));
}

QString PairedFigure::row() const
{
    const auto amount = [this](double value) {
        return QStringLiteral("%1 %2").arg(value, 0, 'f', 2).arg(m_unit);
    };
    QString verdict;
    if (m_limit) {
        verdict = QStringLiteral(", limit %1× %2")
                      .arg(*m_limit, 0, 'f', 2)
                      .arg(medianRatio() <= *m_limit ? QStringLiteral("met") : QStringLiteral("NOT MET"));
    }
    return QStringLiteral("%1 %2 %3 %4× %5%6 (%7 pairs)")
        .arg(m_name, -PairedFigure::kNameWidth)
        .arg(amount(medianMeasured()), 12)
        .arg(amount(medianFloor()), 12)
        .arg(medianRatio(), 6, 'f', 2)
        .arg(m_floorName)
        .arg(verdict)
        .arg(m_ratios.size());
}
