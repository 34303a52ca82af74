#include "platform/dialog/PropertySheet.h"

#include "platform/dialog/Dialog.h"
#include "platform/dialog/HelpContext.h"
#include "platform/dialog/PropertyPage.h"
#include "platform/dialog/UiService.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace platform {
namespace {

QPushButton* sheetButton(int id, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    return button;
}

}  // namespace

PropertySheet::PropertySheet(QWidget* parent) : QDialog(parent), m_tabs(new QTabWidget(this))
{
    auto* ok = sheetButton(control::kOk, QStringLiteral("OK"), this);
    auto* cancel = sheetButton(control::kCancel, QStringLiteral("Abbrechen"), this);
    auto* help = sheetButton(control::kHelp, QStringLiteral("Hilfe"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PropertySheet::accept);
    connect(cancel, &QPushButton::clicked, this, &PropertySheet::reject);
    connect(help, &QPushButton::clicked, this, [] { HelpContext::showHelp(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ok, cancel, help}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_tabs, &QTabWidget::currentChanged, this, &PropertySheet::onTabChanged);
}

PropertySheet::~PropertySheet()
{
    // The pages are not the sheet's to delete.
    for (PropertyPage* page : m_pages) {
        if (page) page->setParent(nullptr);
    }
}

void PropertySheet::addPage(PropertyPage& page)
{
    // The sheet's buttons speak the pages' font.
    if (m_pages.isEmpty()) setFont(page.font());
    m_pages.append(&page);
    m_tabs->addTab(&page, page.title());
}

PropertyPage* PropertySheet::activePage() const
{
    return m_activeIndex >= 0 ? m_pages[m_activeIndex] : nullptr;
}

void PropertySheet::setActivePage(int index)
{
    m_tabs->setCurrentIndex(index);
}

int PropertySheet::doModal()
{
    return UiService::instance().runDialog(*this);
}

void PropertySheet::showEvent(QShowEvent* event)
{
    if (!m_initialized) {
        m_initialized = true;
        onInitDialog();
        onTabChanged(m_tabs->currentIndex());
    }
    QDialog::showEvent(event);
}

void PropertySheet::onTabChanged(int index)
{
    if (!m_initialized || index == m_activeIndex || index < 0) return;
    if (PropertyPage* leaving = activePage(); leaving && !leaving->onKillActive()) {
        const QSignalBlocker staying(m_tabs);
        m_tabs->setCurrentIndex(m_activeIndex);
        return;
    }
    m_activeIndex = index;
    m_pages[index]->activate();
}

void PropertySheet::accept()
{
    if (PropertyPage* page = activePage(); page && !page->onKillActive()) return;
    if (storedOrTold(storeValues())) done(answer::kOk);
}

void PropertySheet::reject()
{
    done(answer::kCancel);
}

}  // namespace platform
