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
//   form-inspect --render FILE --page N --out OUT.png [--zoom Z]
//                                   draw page N of FILE as its window draws it at zoom Z (10 to 25,
//                                   default 10) on a screen of 96 dots per inch, without showing the
//                                   window, onto a picture of exactly the 205 mm × 298 mm sheet
//
// Exit 0 when the file was read, whatever its load status (--print and --render: only a file that opens); 2
// with the error on standard error otherwise.

#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "forms/common/FormDocument.h"
#include "forms/common/FormFile.h"
#include "forms/common/FormPrintJob.h"
#include "forms/common/FormPrinting.h"
#include "forms/common/FormView.h"

#include <QApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageSize>
#include <QPdfWriter>
#include <csignal>
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
        "--print FILE --sheet N --out OUT.pdf | --render FILE --page N --out OUT.png [--zoom Z]");
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

// The picture's density: the standard screen's, on which the window at zoom Z looks the same.
constexpr int kPictureDotsPerInch = 96;

// Pixels of the picture for tenths of a millimetre of the sheet at `zoom`.
int PicturePixels(int tenths, int zoom)
{
    return qRound(tenths * zoom / 10.0 * kPictureDotsPerInch / 254);
}

// Draws a page through the form's own view, which is made but never shown. A file the program refuses to
// open is not drawn as the blank form its window would show.
int renderToPng(CQELWinAppEx& app, const platform::DocTemplate& docTemplate, const QString& path, int page,
                int zoom, const QString& out)
{
    const FormDefinition& form = DetachedForm::Create(docTemplate).doc->definition();
    if (!form.createView) return fail("this form has no window to draw it in yet");
    const int pages = form.fields.hasPageCommands ? 2 : 1;
    if (page < 1 || page > pages) {
        return fail(pages == 1 ? QStringLiteral("this form's window shows page 1 only")
                               : QStringLiteral("this form's window shows pages 1 and 2 only"));
    }
    if (zoom < CQEScrollViewBase::kSmallestZoomStep || zoom > CQEScrollViewBase::kLargestZoomStep) {
        return fail(QStringLiteral("the window draws at zoom %1 to %2 only")
                        .arg(CQEScrollViewBase::kSmallestZoomStep)
                        .arg(CQEScrollViewBase::kLargestZoomStep));
    }
    const std::unique_ptr<FormDocument> doc = form.createDocument(app);
    const std::unique_ptr<FormView> view(form.createView(app, *doc));
    if (!doc->OnOpenDocument(path)) return fail(doc->lastError());
    if (doc->m_nLoadStatus != kLoaded) return fail(FormFile::StatusMessage(doc->m_nLoadStatus));
    view->OnInitialUpdate();

    QImage picture(PicturePixels(kFormSheetWidth, zoom), PicturePixels(kFormSheetHeight, zoom),
                   QImage::Format_RGB32);
    const int dotsPerMetre = qRound(kPictureDotsPerInch / 0.0254);
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    // The window's own background, where the view draws nothing.
    picture.fill(view->viewport()->palette().color(view->viewport()->backgroundRole()));
    view->DrawPageOnto(picture, page, zoom);
    if (!picture.save(out, "PNG")) return fail("cannot write " + out);
    return 0;
}

int render(CQELWinAppEx& app, const std::vector<platform::DocTemplate>& templates, const QStringList& args)
{
    bool pageRead = false, zoomRead = true;
    const int page = args[3].toInt(&pageRead);
    const bool zoomGiven = args.size() == 8;
    if (zoomGiven && args[6] != "--zoom") return usage();
    const int zoom = zoomGiven ? args[7].toInt(&zoomRead) : CQEScrollViewBase::kSmallestZoomStep;
    if (args[2] != "--page" || args[4] != "--out" || !pageRead || !zoomRead) return usage();
    return renderToPng(app, *platform::DocTemplate::findForFile(templates, args[1]), args[1], page, zoom,
                       args[5]);
}

}  // namespace

int main(int argc, char** argv)
{
    // Under a limit on the size of files the system would end the tool in the middle of a write; ignored,
    // the write fails and the tool says so, as the program does.
    std::signal(SIGXFSZ, SIG_IGN);
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
    if ((args.size() == 6 || args.size() == 8) && args[0] == "--render") return render(app, templates, args);

    const bool resave = args.size() == 3 && args[0] == "--resave";
    if (!resave && (args.size() != 1 || args[0].startsWith("--"))) return usage();
    const QString path = resave ? args[1] : args[0];

    DetachedForm form = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, path));
    if (!form.doc->OnOpenDocument(path)) return fail(form.doc->lastError());
    if (!resave) return print(form);
    if (!form.doc->OnSaveDocument(args[2])) return fail(form.doc->lastError());
    return 0;
}
