#pragma once

#include "forms/common/FormView.h"

class CEUR1_Doc;

// The EUR.1 at true size on two pages: the movement certificate with boxes 1 to 12 and its 21 fields, and the
// back of the application with the exporter's declarations and 11 fields.
class CEUR1_View : public FormView {
    Q_OBJECT

public:
    CEUR1_View(CQELWinAppEx& app, CEUR1_Doc& document);

    // "Vorgaben für EUR.1": the defaults of new EUR.1 forms; this form keeps its texts.
    void OnFormDefaults();
    // The print positions of boxes 11 and 12.
    void OnAdvancedPrintPositions();
    // The print command; the edition mark then shows the paper form that was printed on.
    void OnFilePrint();

    // "EURPRN" as last read: 1 when the back of the application is printed on the edition marked "L 03/2010".
    int m_nEURPRN = 0;

protected:
    const platform::MessageMapBase* GetMessageMap() const override;
    // The edition mark: "WK 03/2010", or "L 03/2010" for "EURPRN" = 1.
    QString CaptionText(const FormCaption& caption) const override;

private:
    void ReadEdition();
};
