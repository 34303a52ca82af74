#pragma once

#include "editor/CQeEditWindow.h"

// A field editor that counts what would reach the live window.
class ProbeEditor : public CQeEditWindow {
public:
    int Activate(std::uint16_t field, std::uint16_t page) override
    {
        ++activations;
        return CQeEditWindow::Activate(field, page);
    }
    // Stands in for the live window having been created.
    void PretendLiveWindow() { m_bCreated = 1; }

    int activations = 0;
};
