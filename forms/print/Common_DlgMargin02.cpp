#include "forms/print/Common_DlgMargin02.h"

#include "platform/dialog/UiService.h"

#include <QGuiApplication>

namespace {

// The sheet's caption until it shows; then the title takes over.
const QString kInitialCaption = QStringLiteral("Dialog");
const QString kTooManyPages = QStringLiteral("Dialog Ränder - Fehler, zu viele Seiten");

}  // namespace

Common_DlgMargin02::Common_DlgMargin02(int language, QWidget* parent)
    : platform::PropertySheet(parent),
      m_strTitle(QStringLiteral("Ränder einstellen")),
      m_Page{{{*this, language},
              {*this, language},
              {*this, language},
              {*this, language},
              {*this, language},
              {*this, language}}}
{
    setWindowTitle(kInitialCaption);
    for (int page = 1; page <= kMostPages; ++page)
        m_strPageTitle[page - 1] = QStringLiteral("Seite %1").arg(page);
}

int Common_DlgMargin02::DoModal()
{
    for (int page = 1; page <= m_nPageCount; ++page) {
        Page(page).setTitle(m_strPageTitle[page - 1]);
        addPage(Page(page));
    }
    return doModal();
}

void Common_DlgMargin02::SetPageCount(int count)
{
    if (count >= 2 && count <= kMostPages) {
        m_nPageCount = count;
        return;
    }
    platform::UiService::instance().messageBox({QGuiApplication::applicationDisplayName(), kTooManyPages});
}

void Common_DlgMargin02::SetPageTitle(int page, const QString& title)
{
    if (page >= 1 && page <= kMostPages) m_strPageTitle[page - 1] = title;
}

void Common_DlgMargin02::SetHorizontal(int page, int tenths)
{
    if (InUse(page)) Page(page).SetHorizontal(tenths);
}

int Common_DlgMargin02::GetHorizontal(int page) const
{
    return InUse(page) ? m_Page[page - 1].GetHorizontal() : 0;
}

void Common_DlgMargin02::SetVertical(int page, int tenths)
{
    if (InUse(page)) Page(page).SetVertical(tenths);
}

int Common_DlgMargin02::GetVertical(int page) const
{
    return InUse(page) ? m_Page[page - 1].GetVertical() : 0;
}

void Common_DlgMargin02::onInitDialog()
{
    setWindowTitle(m_strTitle);
}

bool Common_DlgMargin02::InUse(int page) const
{
    return page >= 1 && page <= kMostPages && (page <= 2 || page <= m_nPageCount);
}
