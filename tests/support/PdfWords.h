#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <optional>

// Reading back a printed PDF with poppler's tools: where each word landed, how many pages there are, and a
// part of a page as pixels.

// A word that pdftotext found, with its box in millimetres from its page's top-left corner.
struct PdfWord {
    QString text;
    QRectF mm;
    int page;  // from 1
};

inline bool hasPdfTools()
{
    return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
           !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

inline QString pdfWordBoxes(const QString& pdf)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", pdf, "-"});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Every word of every page.
inline QList<PdfWord> pdfWords(const QString& pdf)
{
    static const QRegularExpression pattern(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    constexpr double mmPerPoint = 25.4 / 72;
    QList<PdfWord> words;
    int page = 0;
    for (const QRegularExpressionMatch& m : pattern.globalMatch(pdfWordBoxes(pdf))) {
        if (m.captured(0) == "<page ") {
            ++page;
            continue;
        }
        const QPointF topLeft(m.captured(1).toDouble() * mmPerPoint, m.captured(2).toDouble() * mmPerPoint);
        const QPointF bottomRight(m.captured(3).toDouble() * mmPerPoint,
                                  m.captured(4).toDouble() * mmPerPoint);
        words.append({m.captured(5), QRectF(topLeft, bottomRight), page});
    }
    return words;
}

// The first word `text` of `page`.
inline std::optional<QRectF> pdfWord(const QString& pdf, const QString& text, int page = 1)
{
    for (const PdfWord& found : pdfWords(pdf))
        if (found.text == text && found.page == page) return found.mm;
    return std::nullopt;
}

inline int pdfPageCount(const QString& pdf)
{
    return int(pdfWordBoxes(pdf).count("<page "));
}

// The document title a PDF carries.
inline QString pdfTitle(const QString& pdf)
{
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {pdf});
    pdfinfo.waitForFinished();
    static const QRegularExpression title(R"(^Title:\s*(.*)$)", QRegularExpression::MultilineOption);
    return title.match(QString::fromUtf8(pdfinfo.readAllStandardOutput())).captured(1).trimmed();
}

// Part of a page rendered in grey at 254 dpi, a pixel a tenth of a millimetre: `part` is in tenths of a
// millimetre from the page's top-left corner. A null image when the page cannot be rendered.
inline QImage renderedPart(const QString& pdf, const QDir& workDir, QRect part, int page = 1)
{
    const QString base = workDir.filePath("rendered");
    const QString pageText = QString::number(page);
    QFile::remove(base + ".pgm");
    QProcess::execute("pdftoppm",
                      {"-gray", "-r", "254", "-f", pageText, "-l", pageText, "-singlefile", "-x",
                       QString::number(part.x()), "-y", QString::number(part.y()), "-W",
                       QString::number(part.width()), "-H", QString::number(part.height()), pdf, base});
    return QImage(base + ".pgm");
}
