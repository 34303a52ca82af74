#pragma once

#include "platform/gdi/Dc.h"
#include "tests/platform/InkBox.h"
#include "tests/support/PdfWords.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <functional>

// Draws onto an A4 PDF page without margins, in the metric mode with the origin at the page's top-left
// corner as the form printing does, and reads the page back; skipped without poppler's tools.
class PdfPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
        ASSERT_TRUE(dir.isValid());
    }

    void print(const std::function<void(platform::Dc&)>& draw)
    {
        QPdfWriter pdf(path);
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        platform::Dc dc(painter);
        dc.mapper().setMapMode(platform::MapMode::LoMetric);
        dc.setBackgroundMode(platform::BackgroundMode::Transparent);
        draw(dc);
    }

    // The word's box in millimetres from the page's top-left corner.
    QRectF word(const QString& text)
    {
        for (const PdfWord& found : pdfWords(path))
            if (found.text == text) return found.mm;
        ADD_FAILURE() << "no word " << text.toStdString() << " on the page";
        return {};
    }

    // An "L" rendered in `part` stands upright: its bar lies at the foot, to the right of the stem.
    void expectUprightL(QRect part)
    {
        const QImage image = renderedPart(path, QDir(dir.path()), part);
        ASSERT_FALSE(image.isNull());
        const QRect ink = inkBox(image);
        ASSERT_FALSE(ink.isEmpty());
        const QRect foot = inkBox(image, QRect(0, ink.bottom() - 4, part.width(), 5));
        const QRect head = inkBox(image, QRect(0, ink.top(), part.width(), 5));
        EXPECT_GT(foot.width(), ink.width() / 2 + 10);
        EXPECT_NEAR(foot.left(), ink.left(), 1);
        EXPECT_LT(head.width(), ink.width() / 2);
        EXPECT_NEAR(head.left(), ink.left(), 1);
    }

    QTemporaryDir dir;
    QString path = dir.filePath("page.pdf");
};
