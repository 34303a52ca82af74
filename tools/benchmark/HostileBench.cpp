#include "tools/benchmark/HostileBench.h"

#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "forms/FormList.h"
#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "forms/common/FormDocument.h"
#include "forms/common/FormPrintJob.h"
#include "forms/common/FormPrinting.h"
#include "forms/common/FormView.h"
#include "platform/gdi/Mapper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPageSize>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <functional>
#include <memory>

namespace {

constexpr double kStepLimitMs = 2000;
constexpr QSize kWindowSize(1600, 1000);
constexpr int kEur1 = 0;
constexpr int kAtr = 1;

// One word of `length` characters: no blank in it where a line could break.
QString word(qsizetype length)
{
    const QString letters = QStringLiteral("Maschinenteile");
    QString text;
    text.reserve(length);
    while (text.size() < length) text += letters;
    text.truncate(length);
    return text;
}

// Text whose letters stand between zero-width spaces: invisible characters by the hundred thousand.
QString zeroWidthSpaced(qsizetype spaces)
{
    QString text;
    text.reserve(2 * spaces);
    for (qsizetype i = 0; i < spaces; ++i) text += QStringLiteral("\u200Bx");
    return text;
}

double timedMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    QApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

QString row(const QString& name, double ms)
{
    return QStringLiteral("%1 %2 ms  (limit %3 ms)%4")
        .arg(name, -58)
        .arg(ms, 9, 'f', 1)
        .arg(kStepLimitMs, 0, 'f', 0)
        .arg(ms > kStepLimitMs ? QStringLiteral("  OVER") : QString());
}

void typeKey(QWidget& widget, Qt::Key key = Qt::Key_X, const QString& text = QStringLiteral("x"))
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

}  // namespace

// A form, the fields of its first page that get the hostile text, and what is done with it in its window.
struct HostileBench::Case {
    QString name;
    int kind;
    QList<std::uint16_t> fields;  // empty: every field
    QString text;
    bool typesAndZooms;
};

HostileBench::HostileBench(CQELWinAppEx& app, QString scratch) : m_app(app), m_scratch(std::move(scratch)) {}

bool HostileBench::run(QTextStream& out)
{
    const QList<Case> cases{
        {"A.TR. field 0, one word of 8,300,000", kAtr, {0}, word(8'300'000), true},
        {"EUR.1 fields 0-2, words of 2,000,000", kEur1, {0, 1, 2}, word(2'000'000), true},
        {"A.TR. every field, a word of 200,000", kAtr, {}, word(200'000), false},
        {"EUR.1 every field, 100,000 zero-width spaces", kEur1, {}, zeroWidthSpaced(100'000), false},
    };
    out << "texts far longer than their boxes: each step once, in ms\n";
    bool ok = true;
    for (const Case& hostile : cases) {
        ok = runCase(hostile, out) && ok;
        out.flush();
    }
    return ok;
}

bool HostileBench::runCase(const Case& hostile, QTextStream& out)
{
    const std::vector<platform::DocTemplate> templates = CreateFormTemplates(m_app);
    const platform::DocTemplate& docTemplate = templates.at(hostile.kind);
    const QString path =
        m_scratch + QStringLiteral("/hostile") + docTemplate.field(platform::DocTemplate::Field::FilterExt);
    {
        DetachedForm form = DetachedForm::Create(docTemplate);
        form.doc->OnNewDocument();
        CQeEditWindow& editor = form.editor();
        for (std::uint16_t field = 0; field < editor.GetLineCount(); ++field) {
            if (hostile.fields.isEmpty() || hostile.fields.contains(field))
                editor.SetFieldText(field, hostile.text, 1);
        }
        if (!form.doc->OnSaveDocument(path)) return false;
    }
    const QString name = hostile.name + QStringLiteral(": ");
    std::unique_ptr<platform::Document> doc;
    std::unique_ptr<FormView> view;
    bool opened = false;
    out << row(name + "open and show", timedMs([&] {
                   doc = docTemplate.createDocument();
                   view.reset(static_cast<FormView*>(docTemplate.createView(*doc)));
                   opened = doc->OnOpenDocument(path);
                   view->OnInitialUpdate();
                   view->resize(kWindowSize);
                   view->show();
               }))
        << '\n';
    if (!opened) return false;
    out << row(name + "repaint, zoom 10", timedMs([&] { view->viewport()->repaint(); })) << '\n';
    if (hostile.typesAndZooms) {
        QPlainTextEdit* window = view->FieldEditor().LiveWindow();
        if (hostile.fields.size() > 1) {
            out << row(name + "Tab into the next field", timedMs([&] { view->OnNextField(); })) << '\n';
            window = view->FieldEditor().LiveWindow();
        }
        if (!window) return false;
        out << row(name + "first key", timedMs([&] { typeKey(*window); })) << '\n';
        out << row(name + "second key", timedMs([&] { typeKey(*window); })) << '\n';
        out << row(name + "Delete",
                   timedMs([&] { typeKey(*window, Qt::Key_Delete, QStringLiteral("\x7f")); }))
            << '\n';
        out << row(name + "zoom in", timedMs([&] { view->OnZoomIn(); })) << '\n';
        out << row(name + "zoom out", timedMs([&] { view->OnZoomOut(); })) << '\n';
    }
    view.reset();
    return print(hostile, path, out);
}

bool HostileBench::print(const Case& hostile, const QString& path, QTextStream& out)
{
    const FormDefinition& definition = *AllForms()[hostile.kind];
    const std::vector<platform::DocTemplate> templates = CreateFormTemplates(m_app);
    std::unique_ptr<platform::Document> opened = templates.at(hostile.kind).createDocument();
    auto& doc = static_cast<FormDocument&>(*opened);
    if (!doc.OnOpenDocument(path)) return false;
    const std::unique_ptr<FormPrinting> printing = definition.createPrinting(m_app, doc);
    bool ok = true;
    for (int sheet = 1; sheet <= definition.print.sheets(); ++sheet) {
        const double ms = timedMs([&] {
            QPdfWriter writer(m_scratch + QStringLiteral("/hostile.pdf"));
            writer.setResolution(platform::kPaperDotsPerInch);
            writer.setPageSize(QPageSize(QPageSize::A4));
            ok = FormPrintJob(m_app, doc, *printing).Print(writer, sheet, 1) && ok;
        });
        out << row(hostile.name + QStringLiteral(": print sheet %1").arg(sheet), ms) << '\n';
    }
    return ok;
}
