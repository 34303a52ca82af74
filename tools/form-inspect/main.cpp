// form-inspect: opens, creates and re-saves form files through the program's own documents, and prints
// what a form holds as one JSON object. A development aid; not installed.
//
//   form-inspect FILE               open FILE as File Open does and print it
//   form-inspect --new FORM         print a new form (EUR1, ATR, UZ or LZE1), default texts included
//   form-inspect --resave FILE OUT  open FILE and save it to OUT
//   form-inspect --print FILE --sheet N --out OUT.pdf
//                                   print sheet N of FILE as the program does, with the calibration of the
//                                   settings and no dialogs, onto A4 paper whose printable area is the
//                                   whole sheet
//
// Exit 0 when the file was read, whatever its load status (--print: only a file that opens); 2 with the error
// on standard error otherwise.

#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "forms/common/FormDocument.h"
#include "forms/common/FormFile.h"
#include "forms/common/FormPrintJob.h"
#include "forms/common/FormPrinting.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageSize>
#include <QPdfWriter>
#include <cstdio>
#include <memory>

namespace {

constexpr int kFailed = 2;

int fail(const QString& message)
{
    std::fprintf(stderr, "form-inspect: %s\n", qPrintable(message));
    return kFailed;
}

// "QEL-ATRForm@3.00" names the form "ATR".
QString formName(const FormDocument& doc)
{
    const QByteArrayView magic = doc.fileFormat().magic;
    const qsizetype start = magic.indexOf('-') + 1;
    return QString::fromLatin1(magic.sliced(start, magic.indexOf("Form@") - start));
}

QJsonObject describe(const FormDocument& doc, CQeEditWindow& editor)
{
    QJsonArray fields, flags, cells, cellFlags;
    for (std::uint16_t field = 0; field < editor.GetLineCount(); ++field) {
        fields.append(editor.GetFieldText(field, 1));
        flags.append(editor.GetFieldFlags(field, 1));
    }
    const bool hasTable = editor.GetColumnCount() > 0;
    for (std::uint16_t page = 2; hasTable && page <= editor.GetPageCount(); ++page) {
        for (std::uint16_t column = 0; column < editor.GetColumnCount(); ++column) {
            cells.append(editor.GetFieldText(column, page));
            cellFlags.append(editor.GetFieldFlags(column, page));
        }
    }
    const int mode = editor.GetMode() | (hasTable ? editor.GetPageCount() : 0);
    return QJsonObject{
        {"status", doc.m_nLoadStatus},
        {"form", formName(doc)},
        {"choice", doc.m_nMarkChoice},
        {"mode", mode},
        {"columns", editor.GetColumnCount()},
        {"fields", fields},
        {"flags", flags},
        {"cells", cells},
        {"cellFlags", cellFlags},
    };
}

int print(DetachedForm& form)
{
    const QJsonDocument json(describe(*form.doc, form.editor()));
    std::fputs(json.toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputc('\n', stdout);
    return 0;
}

const platform::DocTemplate* templateNamed(const std::vector<platform::DocTemplate>& templates,
                                           const QString& name)
{
    for (const platform::DocTemplate& docTemplate : templates) {
        if (formName(*DetachedForm::Create(docTemplate).doc) == name) return &docTemplate;
    }
    return nullptr;
}

int usage()
{
    return fail(
        "usage: form-inspect FILE | --new EUR1|ATR|UZ|LZE1 | --resave FILE OUT | "
        "--print FILE --sheet N --out OUT.pdf");
}

// The PDF printer's resolution: fine enough that a tenth of a millimetre is several dots.
constexpr int kPdfDotsPerInch = 1200;

// Every form of the set is printed on A4 paper, through the print job the program runs, without a window. A
// file the program refuses to open is not printed as the blank form it would show.
int printToPdf(const SettingsStore& settings, const platform::DocTemplate& docTemplate, const QString& path,
               int sheet, const QString& out)
{
    DetachedForm form = DetachedForm::Create(docTemplate);
    const FormDefinition& definition = form.doc->definition();
    if (!definition.createPrinting) return fail("this form cannot be printed yet");
    const int sheets = definition.print.sheets();
    if (sheet < 1 || sheet > sheets) {
        return fail(QStringLiteral("the print dialog of this form offers sheet 1 to %1 only").arg(sheets));
    }
    if (!form.doc->OnOpenDocument(path)) return fail(form.doc->lastError());
    if (form.doc->m_nLoadStatus != kLoaded) return fail(FormFile::StatusMessage(form.doc->m_nLoadStatus));

    QPdfWriter writer(out);
    writer.setResolution(kPdfDotsPerInch);
    writer.setPageSize(QPageSize(QPageSize::A4));
    const std::unique_ptr<FormPrinting> printing = definition.createPrinting(settings, *form.doc);
    if (!FormPrintJob(settings, *form.doc, *printing).Print(writer, sheet, 1))
        return fail("cannot write " + out);
    return 0;
}

int print(const SettingsStore& settings, const std::vector<platform::DocTemplate>& templates,
          const QStringList& args)
{
    bool sheetRead = false;
    const int sheet = args[3].toInt(&sheetRead);
    if (args[2] != "--sheet" || args[4] != "--out" || !sheetRead) return usage();
    return printToPdf(settings, *platform::DocTemplate::findForFile(templates, args[1]), args[1], sheet,
                      args[5]);
}

}  // namespace

int main(int argc, char** argv)
{
    // A tool without windows: the form views it prints through never show.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    CQELWinAppEx app;
    app.InitInstance();
    const std::vector<platform::DocTemplate> templates = CreateFormTemplates(app);
    const QStringList args = qtApp.arguments().mid(1);

    if (args.size() == 2 && args[0] == "--new") {
        const platform::DocTemplate* docTemplate = templateNamed(templates, args[1]);
        if (!docTemplate) return usage();
        DetachedForm form = DetachedForm::Create(*docTemplate);
        form.doc->OnNewDocument();
        return print(form);
    }

    if (args.size() == 6 && args[0] == "--print") return print(app, templates, args);

    const bool resave = args.size() == 3 && args[0] == "--resave";
    if (!resave && (args.size() != 1 || args[0].startsWith("--"))) return usage();
    const QString path = resave ? args[1] : args[0];

    DetachedForm form = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, path));
    if (!form.doc->OnOpenDocument(path)) return fail(form.doc->lastError());
    if (!resave) return print(form);
    if (!form.doc->OnSaveDocument(args[2])) return fail(form.doc->lastError());
    return 0;
}
