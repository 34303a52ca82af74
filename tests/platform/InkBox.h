#pragma once

#include <QImage>
#include <QRect>

// The smallest rectangle holding every dark pixel of `image` inside `area` (the whole image when empty);
// an empty rectangle when there is none.
inline QRect inkBox(const QImage& image, QRect area = {})
{
    if (area.isEmpty()) area = image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    return box;
}
