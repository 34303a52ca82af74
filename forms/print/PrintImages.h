#pragma once

#include <QPixmap>

// The images of the print and margin dialogs, drawn here rather than shipped: the print dialog's icons (332
// warning triangle, 334 lying sheet, 335 green tick, 336 upright sheet, 32 x 32) and the margin dialogs'
// arrow buttons (21116 to 21127, 24 x 23: a red arrow on a grey face, raised, sunken when pressed, with a
// focus frame when focused). Any other id gives a null pixmap.
class PrintImages {
public:
    static QPixmap image(int id);
};
