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
// The options of --print and --render come in any order. OUT is replaced only once it was written whole: a
// write that fails leaves OUT as it was, or no file at all.
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
#include "platform/file/WholeFile.h"
#include "platform/gdi/Mapper.h"
#include "platform/shell/CommandLine.h"

#include <QApplication>
#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageSize>
#include <QPdfWriter>
#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>

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

// What was wrong with the command line, if anything, then how it is written.
int usage(const QString& problem = {})
{
    if (!problem.isEmpty()) fail(problem);
    return fail(
        "usage: form-inspect FILE | --new EUR1|ATR|UZ|LZE1 | --resave FILE OUT | "
        "--print FILE --sheet N --out OUT.pdf | --render FILE --page N --out OUT.png [--zoom Z]");
}

// The form file and the `--name value` options that follow --print or --render.
struct Options {
    QString file;
    QHash<QString, QString> values;
};

// Reads the arguments after the command, in any order: one form file and each option at most once. Every
// option in `needed` must be given, those in `optional` may be. Why the arguments cannot be taken, or
// nothing.
std::optional<QString> readOptions(const QStringList& args, const QStringList& needed,
                                   const QStringList& optional, Options& options)
{
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith("--")) {
            if (!options.file.isEmpty()) return "more than one form file: " + options.file + ", " + arg;
            options.file = arg;
            continue;
        }
        if (!needed.contains(arg) && !optional.contains(arg)) return "unknown option " + arg;
        if (options.values.contains(arg)) return arg + " is given twice";
        if (i + 1 == args.size() || args[i + 1].startsWith("--")) return arg + " needs a value";
        options.values.insert(arg, args[++i]);
    }
    if (options.file.isEmpty()) return QStringLiteral("no form file is given");
    for (const QString& name : needed) {
        if (!options.values.contains(name)) return name + " is missing";
    }
    return std::nullopt;
}

// The whole number given for the option `name`, `fallback` when it was left out; nothing when it is not a
// number.
std::optional<int> numberOption(const Options& options, const QString& name, int fallback = 0)
{
    if (!options.values.contains(name)) return fallback;
    bool read = false;
    const int number = options.values.value(name).toInt(&read);
    return read ? std::optional<int>(number) : std::nullopt;
}

// Puts `bytes` in the place of `out` only once they are all on the disk, so that a full disk or a limit on
// the size of files leaves no cut file behind and an older file as it was.
int writeWhole(const QString& out, const QByteArray& bytes)
{
    const platform::wholefile::WriteResult written = platform::wholefile::replace(out, bytes);
    if (!written.ok()) return fail("cannot write " + written.error);
    return 0;
}

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

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(platform::kPaperDotsPerInch);
    writer.setPageSize(QPageSize(QPageSize::A4));
    const std::unique_ptr<FormPrinting> printing = definition.createPrinting(settings, *form.doc);
    if (!FormPrintJob(settings, *form.doc, *printing).Print(writer, sheet, 1))
        return fail("cannot print " + path);
    return writeWhole(out, pdf.data());
}

int print(const SettingsStore& settings, const std::vector<platform::DocTemplate>& templates,
          const QStringList& args)
{
    Options options;
    if (const std::optional<QString> problem = readOptions(args, {"--sheet", "--out"}, {}, options))
        return usage(*problem);
    const std::optional<int> sheet = numberOption(options, "--sheet");
    if (!sheet) return usage("--sheet takes a whole number");
    return printToPdf(settings, *platform::DocTemplate::findForFile(templates, options.file), options.file,
                      *sheet, options.values.value("--out"));
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
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!picture.save(&png, "PNG")) return fail("cannot draw " + path);
    return writeWhole(out, png.data());
}

int render(CQELWinAppEx& app, const std::vector<platform::DocTemplate>& templates, const QStringList& args)
{
    Options options;
    if (const std::optional<QString> problem = readOptions(args, {"--page", "--out"}, {"--zoom"}, options))
        return usage(*problem);
    const std::optional<int> page = numberOption(options, "--page");
    const std::optional<int> zoom = numberOption(options, "--zoom", CQEScrollViewBase::kSmallestZoomStep);
    if (!page || !zoom) return usage("--page and --zoom take whole numbers");
    return renderToPng(app, *platform::DocTemplate::findForFile(templates, options.file), options.file, *page,
                       *zoom, options.values.value("--out"));
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
    // Qt has taken its own options out of argv by now.
    const QStringList args = platform::commandline::arguments(argc, argv);

    if (args.size() == 2 && args[0] == "--new") {
        const platform::DocTemplate* docTemplate = templateNamed(templates, args[1]);
        if (!docTemplate) return usage();
        DetachedForm form = DetachedForm::Create(*docTemplate);
        form.doc->OnNewDocument();
        return print(form);
    }

    if (args.value(0) == "--print") return print(app, templates, args);
    if (args.value(0) == "--render") return render(app, templates, args);

    const bool resave = args.size() == 3 && args[0] == "--resave";
    if (!resave && (args.size() != 1 || args[0].startsWith("--"))) return usage();
    const QString path = resave ? args[1] : args[0];

    DetachedForm form = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, path));
    if (!form.doc->OnOpenDocument(path)) return fail(form.doc->lastError());
    if (!resave) return print(form);
    if (!form.doc->OnSaveDocument(args[2])) return fail(form.doc->lastError());
    return 0;
}
