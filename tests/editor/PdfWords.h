#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>

// A word that pdftotext found on a page, with its box in millimetres from the page's top-left corner.
struct PdfWord {
    QString text;
    QRectF mm;
};

inline QList<PdfWord> pdfWords(const QString& pdf)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    pdftotext.waitForFinished();
    static const QRegularExpression wordPattern(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    constexpr double mmPerPoint = 25.4 / 72;
    QList<PdfWord> words;
    for (const QRegularExpressionMatch& m :
         wordPattern.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()))) {
        const QPointF topLeft(m.captured(1).toDouble() * mmPerPoint, m.captured(2).toDouble() * mmPerPoint);
        const QPointF bottomRight(m.captured(3).toDouble() * mmPerPoint,
                                  m.captured(4).toDouble() * mmPerPoint);
        words.append({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}
