#pragma once

#include "forms/common/FormView.h"

class CUrsprungszeugnis_Doc;

// The application for a certificate of origin at true size: its front with boxes 1 to 9 on page 1, its back
// with the notes on page 2, and the cross of box 8 the user sets with a click on one of its two boxes.
class CUrsprungszeugnis_View : public FormView {
    Q_OBJECT

public:
    CUrsprungszeugnis_View(CQELWinAppEx& app, CUrsprungszeugnis_Doc& document);

    // The fields of page 1, then the cross of box 8 over them.
    void DrawPage1Fields(platform::Dc& dc) override;

    // "Vorgaben für Ursprungszeugnis": the defaults of new certificates of origin; this form keeps its texts.
    void OnFormDefaults();
    // "Position der Kreuze im Feld 8": where the crosses print on the application's front.
    void OnCrossPositions();

protected:
    const platform::MessageMapBase* GetMessageMap() const override;
};
