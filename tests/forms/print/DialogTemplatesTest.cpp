#include "forms/FormList.h"
#include "forms/print/CDlgDrucken.h"
#include "forms/print/Common_DlgMargin01.h"
#include "forms/print/Common_DlgMargin02.h"
#include "platform/dialog/TextFit.h"
#include "tests/forms/print/PrintDialogFixture.h"

#include <QDir>
#include <QLabel>
#include <QSet>
#include <QTabWidget>

namespace {

// Names of the controls whose text is cut, with their class.
QStringList cutTexts(QWidget& dialog)
{
    QStringList cut;
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (control->isVisibleTo(&dialog) && !platform::textFits(*control)) {
            cut.append(control->objectName() + ' ' + control->metaObject()->className());
        }
    }
    return cut;
}

// The ids of the controls the Tab key visits, starting from the first one.
QStringList tabOrder(QWidget& dialog, QWidget* first)
{
    QStringList order;
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&dialog) && w->isEnabled()) {
            order.append(w->objectName());
        }
        w = w->nextInFocusChain();
    } while (w != first);
    return order;
}

class DialogTemplates : public PrintDialogFixture {};

}  // namespace

TEST_F(DialogTemplates, EveryTemplateBuildsWithNoTextCutAndItsTabOrderAsWritten)
{
    const QStringList files = QDir(":/dialogs").entryList({"*.json"});
    ASSERT_GE(files.size(), 3);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const platform::DialogTemplate dialogTemplate =
            platform::DialogTemplate::load(file.chopped(5).toInt());
        platform::Dialog dialog(dialogTemplate);
        dialog.show();
        EXPECT_EQ(cutTexts(dialog), QStringList());

        QStringList written;
        for (const platform::ControlTemplate& control : dialogTemplate.controls) {
            QWidget* widget = dialog.item(control.id);
            if (widget && (widget->focusPolicy() & Qt::TabFocus)) written.append(QString::number(control.id));
        }
        ASSERT_FALSE(written.isEmpty());
        EXPECT_EQ(tabOrder(dialog, dialog.item(written.first().toInt())), written);
        dialog.hide();
    }
}

TEST_F(DialogTemplates, ThePrintDialogCutsNoTextForAnyFormAndCutsALongPrinterNameShortInItsWidth)
{
    const QString longName = "Kyocera_ECOSYS_P2135dn_Buero_2_OG_links_am_Fenster_neben_der_Poststelle";
    const JobPrinter printers[] = {{"Drucker", QSize(1, 2)}, {longName, QSize(2, 1)}};
    QSet<int> widths;
    for (const JobPrinter& printer : printers) {
        for (const FormDefinition* form : AllForms()) {
            CDlgDrucken dlg(app, form->print.dialog, form->fields.section, printer);
            dlg.show();
            EXPECT_EQ(cutTexts(dlg), QStringList()) << printer.deviceName.toStdString();
            widths.insert(dlg.width());
            const auto* name = dlg.itemAs<QLabel>(1009);
            EXPECT_EQ(name->toolTip(), printer.deviceName);
            EXPECT_EQ(name->text().endsWith(u'…'), printer.deviceName == longName)
                << name->text().toStdString();
            dlg.hide();
        }
    }
    EXPECT_EQ(widths.size(), 1);
}

TEST_F(DialogTemplates, TheMarginDialogsCutNoTextInEitherLanguage)
{
    for (int language : {0, 1}) {
        Common_DlgMargin01 dlg(language);
        dlg.SetHorizontal(-200);
        dlg.SetVertical(200);
        dlg.show();
        EXPECT_EQ(cutTexts(dlg), QStringList()) << language;
        dlg.hide();

        Common_DlgMargin02 sheet(language);
        sheet.SetHorizontal(2, -200);
        sheet.SetVertical(2, 200);
        ui.script = [&](QDialog&) {
            sheet.setActivePage(1);
            EXPECT_EQ(cutTexts(sheet), QStringList()) << language;
            sheet.reject();
        };
        sheet.DoModal();
    }
}
