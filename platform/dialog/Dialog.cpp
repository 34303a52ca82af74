#include "platform/dialog/Dialog.h"

#include "platform/dialog/UiService.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>

namespace platform {

Dialog::Dialog(const DialogTemplate& dialogTemplate, QWidget* parent,
               const DialogControls::ImageSource& images)
    : QDialog(parent), m_controls(*this, dialogTemplate, images)
{
    setWindowTitle(dialogTemplate.caption);
    if (dialogTemplate.popup) setWindowFlag(Qt::FramelessWindowHint);
    onClicked(control::kOk, [this] { onOk(); });
    onClicked(control::kCancel, [this] { onCancel(); });
    onClicked(control::kHelp, [] { HelpContext::showHelp(); });
}

int Dialog::doModal()
{
    return UiService::instance().runDialog(*this);
}

bool Dialog::updateData(bool saveAndValidate)
{
    DataExchange exchange(m_controls, saveAndValidate);
    doDataExchange(exchange);
    return !exchange.failed();
}

void Dialog::endDialog(int result)
{
    done(result);
}

void Dialog::onInitDialog()
{
    updateData(false);
}

void Dialog::onOk()
{
    if (updateData(true) && storedOrTold(storeValues())) endDialog(answer::kOk);
}

void Dialog::onCancel()
{
    endDialog(answer::kCancel);
}

void Dialog::onClicked(int id, std::function<void()> handler)
{
    if (auto* button = itemAs<QAbstractButton>(id)) connect(button, &QAbstractButton::clicked, this, handler);
}

void Dialog::keepHelpContext(int& currentId, int ownId)
{
    m_helpContext.emplace(currentId, ownId);
}

void Dialog::changeHelpContext(int ownId)
{
    if (m_helpContext) m_helpContext->change(ownId);
}

void Dialog::showEvent(QShowEvent* event)
{
    if (!m_initialized) {
        m_initialized = true;
        onInitDialog();
        m_controls.fit();
    }
    QDialog::showEvent(event);
}

void Dialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (!m_controls.dialogTemplate().popup) return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// A button has no use for a letter; Windows then takes it for the mnemonic it names, with Alt or without.
void Dialog::keyPressEvent(QKeyEvent* event)
{
    const bool plainKey = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const bool letter = !event->text().isEmpty() && event->text().front().isLetterOrNumber();
    QWidget* target = plainKey && letter && qobject_cast<QAbstractButton*>(focusWidget())
                          ? m_controls.mnemonicTarget(QKeyCombination(Qt::AltModifier, Qt::Key(event->key())))
                          : nullptr;
    if (!target || !target->isEnabled()) {
        QDialog::keyPressEvent(event);
        return;
    }
    target->setFocus(Qt::ShortcutFocusReason);
    if (auto* button = qobject_cast<QAbstractButton*>(target)) button->click();
}

void Dialog::accept()
{
    onOk();
}

void Dialog::reject()
{
    onCancel();
}

void Dialog::done(int result)
{
    m_helpContext.reset();
    QDialog::done(result);
}

}  // namespace platform
