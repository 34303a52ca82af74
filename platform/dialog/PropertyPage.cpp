#include "platform/dialog/PropertyPage.h"

#include <QAbstractButton>

namespace platform {

PropertyPage::PropertyPage(const DialogTemplate& dialogTemplate, const DialogControls::ImageSource& images)
    : m_controls(*this, dialogTemplate, images), m_title(dialogTemplate.caption)
{
}

bool PropertyPage::updateData(bool saveAndValidate)
{
    DataExchange exchange(m_controls, saveAndValidate);
    doDataExchange(exchange);
    return !exchange.failed();
}

void PropertyPage::onInitDialog()
{
    updateData(false);
}

bool PropertyPage::onKillActive()
{
    return updateData(true);
}

void PropertyPage::onClicked(int id, std::function<void()> handler)
{
    if (auto* button = itemAs<QAbstractButton>(id)) connect(button, &QAbstractButton::clicked, this, handler);
}

void PropertyPage::activate()
{
    if (!m_initialized) {
        m_initialized = true;
        onInitDialog();
        m_controls.fit();
    }
    onSetActive();
}

}  // namespace platform
