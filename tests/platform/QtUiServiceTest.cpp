#include "platform/dialog/QtUiService.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace platform;

namespace {

// Presses the button of that text in the dialog that is about to be shown, as a person would. Every text of
// the dialog shows as it is, never as markup.
void pressWhenShown(const QString& buttonText)
{
    QTimer::singleShot(0, [buttonText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QLabel* label : box->findChildren<QLabel*>()) EXPECT_EQ(label->textFormat(), Qt::PlainText);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text().remove(u'&') == buttonText) return button->click();
        }
        ADD_FAILURE() << "no button " << buttonText.toStdString();
        box->reject();
    });
}

const TaskDialogRequest kQuestion{
    "Titel", "Achtung!", "<b>Inhalt</b>", MessageIcon::Warning, {{201, "Ja"}, {202, "Nein"}}, 202,
};

}  // namespace

TEST(QtUiService, ATaskDialogAnswersTheIdOfTheLinkPressed)
{
    QtUiService ui;
    pressWhenShown("Ja");
    EXPECT_EQ(ui.taskDialog(kQuestion), 201);
    pressWhenShown("Nein");
    EXPECT_EQ(ui.taskDialog(kQuestion), 202);
}

TEST(QtUiService, TheDefaultLinkIsTheDefaultButton)
{
    QtUiService ui;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->defaultButton()->text(), QString("Nein"));
        EXPECT_EQ(box->text(), QString("Achtung!"));
        EXPECT_EQ(box->informativeText(), QString("<b>Inhalt</b>"));
        box->defaultButton()->click();
    });
    EXPECT_EQ(ui.taskDialog(kQuestion), 202);
}

TEST(QtUiService, AMessageBoxAnswersOkOrCancelAndYesOrNo)
{
    QtUiService ui;
    const MessageBoxRequest request{"Titel", "<i>Text</i>", MessageButtons::OkCancel, MessageIcon::Stop};
    pressWhenShown("OK");
    EXPECT_EQ(ui.messageBox(request), answer::kOk);
    pressWhenShown("Cancel");
    EXPECT_EQ(ui.messageBox(request), answer::kCancel);

    const MessageBoxRequest question{"Titel", "Überschreiben?", MessageButtons::YesNo, MessageIcon::Warning};
    pressWhenShown("Yes");
    EXPECT_EQ(ui.messageBox(question), answer::kYes);
    // Enter alone overwrites nothing.
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    EXPECT_EQ(ui.messageBox(question), answer::kNo);
}

// The window manager cuts a title that does not fit beside the window's icon and buttons: a box is never
// narrower than its title needs beside them, however short its message.
TEST(QtUiService, ABoxIsWideEnoughForItsWholeTitle)
{
    QtUiService ui;
    const struct {
        QString title;
        QString text;
        bool task;
    } rows[] = {
        {"Kalvenport-Zuzaza", "Fehler", false},
        {"Kalvenport-Zuzaza", "Ok", true},
        {"Kalvenport-Zuzaza - Ränder beim Ausdruck für Ursprungszeugnis", "?", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.title.toStdString());
        int width = 0;
        int titleWidth = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            QFont bold = box->font();
            bold.setBold(true);
            titleWidth = QFontMetrics(bold).horizontalAdvance(row.title);
            width = box->width();
            box->buttons().constFirst()->click();
        });
        if (row.task) {
            ui.taskDialog({row.title, row.text, {}, MessageIcon::None, {{201, "Ja"}}, 201});
        } else {
            ui.messageBox({row.title, row.text, MessageButtons::Ok, MessageIcon::None});
        }
        // Room for the window's icon and three buttons.
        EXPECT_GE(width, titleWidth + 4 * 24);
    }
}
