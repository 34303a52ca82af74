#pragma once

#include "platform/docview/ChildFrame.h"

// The MDI child window of the four forms; it adds nothing to the framework's child frame.
class CChildFrame : public platform::ChildFrame {
    Q_OBJECT

public:
    using platform::ChildFrame::ChildFrame;
};
