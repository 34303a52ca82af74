#pragma once

#include "platform/command/MessageMap.h"
#include "platform/docview/Document.h"
#include "platform/docview/DocumentUi.h"
#include "platform/docview/View.h"

#include <QLineEdit>
#include <QList>
#include <QVBoxLayout>
#include <optional>

// A document of one line of text.
class NoteDocument : public platform::Document {
public:
    QString text;

    void Serialize(platform::Archive& archive) override
    {
        if (archive.isStoring()) {
            archive.writeString(text);
        } else {
            text = archive.readString();
        }
    }
};

// A view with one line edit standing in for the field being edited; it notes every command that reaches it
// except those it is told to leave alone.
class NoteView : public platform::View {
public:
    explicit NoteView(platform::Document& document)
    {
        setDocument(&document);
        auto* layout = new QVBoxLayout(viewport());
        layout->addWidget(field);
    }

    void OnInitialUpdate() override { ++initialUpdates; }
    void OnAnyCommand(int id) { commands.append(id); }

    QLineEdit* field = new QLineEdit;
    QList<int> commands;
    QList<int> ignored;
    int initialUpdates = 0;

    bool OnCmdMsg(int id, platform::CmdMsg msg, platform::CmdUI* ui) override
    {
        if (ignored.contains(id) || !handlesAll) return platform::View::OnCmdMsg(id, msg, ui);
        if (msg == platform::CmdMsg::Command) OnAnyCommand(id);
        return true;
    }
    bool handlesAll = false;

protected:
    void OnDraw(platform::Dc&) override {}
};

// Answers the document framework's questions: file dialogs from a queue, the save question with a fixed
// choice; keeps what was asked.
class AnsweringDocumentUi : public platform::DocumentUi {
public:
    AnsweringDocumentUi() { setInstance(this); }
    ~AnsweringDocumentUi() override { setInstance(nullptr); }

    std::optional<QString> fileName(const platform::FileDialogRequest& request) override
    {
        fileRequests.append(request);
        return fileAnswers.isEmpty() ? std::nullopt : std::optional<QString>(fileAnswers.takeFirst());
    }
    platform::SaveChoice askSaveChanges(const QString&, const QString& question) override
    {
        saveQuestions.append(question);
        return saveChoice;
    }

    QList<QString> fileAnswers;
    platform::SaveChoice saveChoice = platform::SaveChoice::Cancel;
    QList<platform::FileDialogRequest> fileRequests;
    QStringList saveQuestions;
};
