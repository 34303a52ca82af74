#pragma once

#include "forms/common/FormView.h"

class CATR_Doc;

// The A.TR. movement certificate at true size: boxes 1 to 13 with the association box, and its 21 fields.
class CATR_View : public FormView {
    Q_OBJECT

public:
    CATR_View(CQELWinAppEx& app, CATR_Doc& document);

    // "Vorgaben für A.TR.": the defaults of new A.TR. forms; this form keeps its texts.
    void OnFormDefaults();
    // The print positions of boxes 12 and 13.
    void OnAdvancedPrintPositions();

protected:
    const platform::MessageMapBase* GetMessageMap() const override;
};
