#pragma once

#include "forms/common/DetachedFormEditor.h"
#include "forms/common/FormDocument.h"
#include "platform/dialog/UiService.h"
#include "platform/docview/DocumentUi.h"
#include "platform/docview/View.h"
#include "platform/shell/ProcessLauncher.h"
#include "program/CKalvenportExportApp.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>
#include <functional>

// Stands in for the person at the screen: message boxes are kept and answered OK, file dialogs take their
// answers from a queue, the save question has a fixed answer, and a dialog run modally is worked by the
// test's script (without one it is cancelled unseen).
class ShellUi : public platform::UiService, public platform::DocumentUi {
public:
    ShellUi()
    {
        platform::UiService::setInstance(this);
        platform::DocumentUi::setInstance(this);
        platform::ProcessLauncher::setLauncher([this](const QString& program, const QStringList& arguments) {
            started.append(QStringList{program} + arguments);
            return startSucceeds;
        });
    }
    ~ShellUi() override
    {
        platform::UiService::setInstance(nullptr);
        platform::DocumentUi::setInstance(nullptr);
        platform::ProcessLauncher::setLauncher({});
    }

    int messageBox(const platform::MessageBoxRequest& request) override
    {
        messages.append(request.text);
        return platform::answer::kOk;
    }
    bool hasTaskDialogs() const override { return true; }
    int taskDialog(const platform::TaskDialogRequest& request) override
    {
        messages.append(request.content);
        return taskDialogAnswer;
    }
    int runDialog(QDialog& dialog) override
    {
        dialogs.append(dialog.windowTitle());
        if (!dialogScript) return platform::answer::kCancel;
        dialog.show();
        dialogScript(dialog);
        const int result = dialog.isVisible() ? platform::answer::kCancel : dialog.result();
        dialog.hide();
        return result;
    }

    std::optional<QString> fileName(const platform::FileDialogRequest& request) override
    {
        fileRequests.append(request);
        return fileAnswers.isEmpty() ? std::nullopt : std::optional<QString>(fileAnswers.takeFirst());
    }
    platform::SaveChoice askSaveChanges(const QString&, const QString& question) override
    {
        messages.append(question);
        return saveChoice;
    }

    QStringList messages;
    QStringList dialogs;
    std::function<void(QDialog&)> dialogScript;
    int taskDialogAnswer = platform::answer::kCancel;
    QList<QString> fileAnswers;
    QList<platform::FileDialogRequest> fileRequests;
    platform::SaveChoice saveChoice = platform::SaveChoice::Cancel;
    QList<QStringList> started;
    bool startSucceeds = true;
};

// A line edit that notes every key that reaches it, the modifier keys held down left aside.
class NotingField : public QLineEdit {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const int key = event->key();
        if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt && key != Qt::Key_Meta)
            keys.append(key);
        QLineEdit::keyPressEvent(event);
    }
};

// Stands in for a form's view until the form views exist: it owns the form's field editor, draws the
// form's boxes, has one field to type into, and with `catchAll` takes every command that reaches it
// except the ignored ones.
class FormTestView : public platform::View, public FormEditorOwner {
public:
    explicit FormTestView(FormDocument& document) : m_editor(document.fieldTable())
    {
        setDocument(&document);
        document.AttachView(this);
        auto* layout = new QVBoxLayout(viewport());
        layout->addWidget(field, 0, Qt::AlignTop | Qt::AlignRight);
        field->setFixedWidth(160);
    }
    ~FormTestView() override { static_cast<FormDocument*>(GetDocument())->DetachView(this); }

    CQeEditWindow& FieldEditor() override { return m_editor.FieldEditor(); }

    bool OnCmdMsg(int id, platform::CmdMsg msg, platform::CmdUI* ui) override
    {
        if (!catchAll || ignored.contains(id)) return platform::View::OnCmdMsg(id, msg, ui);
        if (msg == platform::CmdMsg::Command) commands.append(id);
        return true;
    }

    NotingField* field = new NotingField;
    bool catchAll = false;
    QList<int> ignored;
    QList<int> commands;

protected:
    void OnDraw(platform::Dc&) override {}
    void paintEvent(QPaintEvent*) override
    {
        // The sheet at a third of a pixel per tenth of a millimetre, with the form's boxes of page 1.
        const FormFieldTable& table = static_cast<FormDocument*>(GetDocument())->fieldTable();
        QPainter painter(viewport());
        painter.fillRect(viewport()->rect(), QColor(0x80, 0x80, 0x80));
        painter.translate(12, 12);
        painter.scale(0.3, 0.3);
        const std::uint32_t bg = table.pageBackground;
        painter.fillRect(0, 0, kFormSheetWidth, kFormSheetHeight,
                         QColor(bg & 0xFF, (bg >> 8) & 0xFF, (bg >> 16) & 0xFF));
        painter.setPen(QPen(Qt::black, 3));
        for (const FormFieldRow& row : table.page1)
            painter.drawRect(row.screen.left, row.screen.top, row.screen.right - row.screen.left,
                             row.screen.bottom - row.screen.top);
    }

private:
    DetachedFormEditor m_editor;
};

// The program with the test views in place of the form views.
class TestApp : public CKalvenportExportApp {
public:
    TestApp(const QStringList& arguments, const QString& registryFolder)
        : CKalvenportExportApp(arguments, registryFolder, QStringLiteral("/opt/kalvenport/kalvenport-zuzaza"))
    {
    }

    static FormTestView* viewOf(platform::Document* document);

protected:
    std::vector<platform::DocTemplate> CreateDocTemplates() override
    {
        std::vector<platform::DocTemplate> templates = CKalvenportExportApp::CreateDocTemplates();
        for (platform::DocTemplate& docTemplate : templates) {
            docTemplate.setViewFactory([](platform::Document& document) {
                return new FormTestView(static_cast<FormDocument&>(document));
            });
        }
        return templates;
    }
};
