#include "tools/benchmark/FileBench.h"

#include "app/CQELWinAppEx.h"
#include "forms/FormList.h"
#include "forms/common/FormDocument.h"
#include "forms/common/FormPrintJob.h"
#include "forms/common/FormPrinting.h"
#include "platform/gdi/Mapper.h"
#include "tools/benchmark/BenchForms.h"
#include "tools/benchmark/FilledForms.h"
#include "tools/benchmark/PairedFigure.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <functional>
#include <memory>

namespace {

double timedMs(const std::function<bool()>& work, bool& ok)
{
    QElapsedTimer timer;
    timer.start();
    ok = work() && ok;
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void setUpPdf(QPdfWriter& writer)
{
    writer.setResolution(platform::kPaperDotsPerInch);
    writer.setPageSize(QPageSize(QPageSize::A4));
}

bool emptyPdf(const QString& path)
{
    QPdfWriter writer(path);
    setUpPdf(writer);
    QPainter painter;
    return painter.begin(&writer) && painter.end();
}

}  // namespace

FileBench::FileBench(CQELWinAppEx& app, const FilledForms& forms, QString scratch, int samples)
    : m_app(app), m_forms(forms), m_scratch(std::move(scratch)), m_samples(samples)
{
}

bool FileBench::openAndSave(int kind, QTextStream& out)
{
    const QString name = BenchForms::label(*AllForms()[kind]);
    const platform::DocTemplate& docTemplate = m_forms.templates().at(kind);
    const QString path = m_forms.path(kind);
    const QString copy =
        m_scratch + QStringLiteral("/saved") + docTemplate.field(platform::DocTemplate::Field::FilterExt);
    PairedFigure open("open: " + name, "ms", "reading the file");
    PairedFigure save("save: " + name, "ms", "writing it with QSaveFile");
    bool ok = true;
    for (int sample = 0; sample < m_samples; ++sample) {
        std::unique_ptr<platform::Document> doc;
        const double opened = timedMs(
            [&] {
                doc = docTemplate.createDocument();
                return doc->OnOpenDocument(path);
            },
            ok);
        QByteArray bytes;
        open.add(opened, timedMs(
                             [&] {
                                 bytes = readAll(path);
                                 return !bytes.isEmpty();
                             },
                             ok));
        const double saved = timedMs([&] { return doc->OnSaveDocument(copy); }, ok);
        save.add(saved, timedMs([&] { return writeAll(copy, bytes); }, ok));
    }
    out << open.row() << '\n' << save.row() << '\n';
    if (!ok) out << "a file of " << name << " could not be opened or saved\n";
    return ok;
}

bool FileBench::print(int kind, QTextStream& out)
{
    const FormDefinition& definition = *AllForms()[kind];
    const QString name = BenchForms::label(definition);
    std::unique_ptr<platform::Document> opened = m_forms.templates().at(kind).createDocument();
    auto& doc = static_cast<FormDocument&>(*opened);
    if (!doc.OnOpenDocument(m_forms.path(kind))) return false;
    const std::unique_ptr<FormPrinting> printing = definition.createPrinting(m_app, doc);
    const QString pdf = m_scratch + QStringLiteral("/sheet.pdf");
    bool ok = true;
    for (int sheet = 1; sheet <= definition.print.sheets(); ++sheet) {
        PairedFigure figure(QStringLiteral("print sheet %1 into a PDF: %2").arg(sheet).arg(name), "ms",
                            "a PDF of one empty page");
        for (int sample = 0; sample < m_samples; ++sample) {
            const double printed = timedMs(
                [&] {
                    QPdfWriter writer(pdf);
                    setUpPdf(writer);
                    return FormPrintJob(m_app, doc, *printing).Print(writer, sheet, 1);
                },
                ok);
            figure.add(printed, timedMs([&] { return emptyPdf(pdf); }, ok));
        }
        out << figure.row() << '\n';
    }
    if (!ok) out << name << " could not be printed into a PDF\n";
    return ok;
}

bool FileBench::run(QTextStream& out)
{
    bool ok = true;
    for (int kind : BenchForms::all()) {
        ok = openAndSave(kind, out) && ok;
        if (AllForms()[kind]->createPrinting) ok = print(kind, out) && ok;
        out.flush();
    }
    return ok;
}
