#pragma once

#include "forms/print/Common_DlgMargin02_Page.h"
#include "platform/dialog/PropertySheet.h"

#include <array>

// "Ränder einstellen" for a form printed on several sheets: one page of offsets per sheet (2 to 6 pages) and
// one check box, shared by all pages, that keeps the dialog from showing before each print. Like the one-page
// dialog it never touches the settings.
class Common_DlgMargin02 : public platform::PropertySheet {
    Q_OBJECT
public:
    static constexpr int kMostPages = 6;

    // Language 1 shows the pages' tips in English; the pages' own texts are German.
    explicit Common_DlgMargin02(int language, QWidget* parent = nullptr);

    // Adds the pages in use and runs the sheet: answer::kOk or answer::kCancel.
    int DoModal();

    // 2 to 6; any other count is refused with a message and the count stays.
    void SetPageCount(int count);
    int GetPageCount() const { return m_nPageCount; }
    void SetTitle(const QString& title) { m_strTitle = title; }
    // Pages 1 to 6.
    void SetPageTitle(int page, const QString& title);
    void SetDontShow(int dontShow) { m_bDontShow = dontShow; }
    int GetDontShow() const { return m_bDontShow; }

    // Pages 1 to 6, tenths of a millimetre. A page beyond the count answers 0 and takes nothing; pages 1 and
    // 2 always answer.
    void SetHorizontal(int page, int tenths);
    int GetHorizontal(int page) const;
    void SetVertical(int page, int tenths);
    int GetVertical(int page) const;

    Common_DlgMargin02_Page& Page(int page) { return m_Page[page - 1]; }

protected:
    void onInitDialog() override;

private:
    bool InUse(int page) const;

    int m_bDontShow = 0;
    int m_nPageCount = 2;
    QString m_strTitle;
    std::array<QString, kMostPages> m_strPageTitle;
    std::array<Common_DlgMargin02_Page, kMostPages> m_Page;
};
