#pragma once

#include "platform/gdi/GdiTypes.h"

#include <QFont>
#include <QRect>
#include <QString>

namespace platform {

// How a dialog's rich tips look. Every tip is a rectangle with rounded corners, no icon, a vertical gradient
// background and the title in bold above a description; these are the parts a dialog chooses.
struct ToolTipParams {
    bool drawSeparator = true;
    int maxDescriptionWidth = 300;  // pixels; the description is wrapped to it
    ColorRef fillColor = 0xFFFFFF;
    ColorRef fillGradientColor = 0xFFFFC8;  // at the top, running down to the fill colour
    ColorRef textColor = 0xFF0000;
    ColorRef borderColor = 0x000000;
};

// Where the parts of one tip go, in the tip window's pixels.
struct ToolTipLayout {
    QSize size;
    QFont titleFont;
    QRect title;
    bool separator = false;
    int separatorY = 0;
    QRect description;  // empty when there is none

    // Without a description the title stands alone in the normal font; with one it is bold.
    static ToolTipLayout of(const QString& title, const QString& description, const ToolTipParams& params,
                            const QFont& font);
};

}  // namespace platform
