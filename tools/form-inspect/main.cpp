// form-inspect: opens, creates and re-saves form files through the program's own documents, and prints
// what a form holds as one JSON object. A development aid; not installed.
//
//   form-inspect FILE               open FILE as File Open does and print it
//   form-inspect --new FORM         print a new form (EUR1, ATR, UZ or LZE1), default texts included
//   form-inspect --resave FILE OUT  open FILE and save it to OUT
//
// Exit 0 when the file was read, whatever its load status; 2 with the error on standard error otherwise.

#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "forms/common/DetachedForm.h"
#include "forms/common/FormDocument.h"
#include "forms/common/FormTemplates.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
    return fail("usage: form-inspect FILE | --new EUR1|ATR|UZ|LZE1 | --resave FILE OUT");
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication qtApp(argc, argv);
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

    const bool resave = args.size() == 3 && args[0] == "--resave";
    if (!resave && (args.size() != 1 || args[0].startsWith("--"))) return usage();
    const QString path = resave ? args[1] : args[0];

    DetachedForm form = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, path));
    if (!form.doc->OnOpenDocument(path)) return fail(form.doc->lastError());
    if (!resave) return print(form);
    if (!form.doc->OnSaveDocument(args[2])) return fail(form.doc->lastError());
    return 0;
}
