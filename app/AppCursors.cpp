#include "app/AppCursors.h"

#include <QHash>
#include <QIcon>
#include <QPixmap>

namespace {

// Where each cursor points, in the pixels of its 32 x 32 picture.
QPoint hotSpotOf(int resourceId)
{
    switch (resourceId) {
        case 341:
        case 342:
            return {16, 16};
        case 339:
            return {12, 3};
        default:
            return {2, 2};
    }
}

QHash<int, QCursor>& cursors()
{
    // Kept until the program ends: the windows that use a cursor may outlive any owner of it.
    static auto* loaded = new QHash<int, QCursor>;
    return *loaded;
}

}  // namespace

void AppCursors::Load()
{
    for (int id : kIds) {
        if (cursors().contains(id)) continue;
        const QPixmap picture = QIcon(QStringLiteral(":/cursors/%1.svg").arg(id)).pixmap(32, 32);
        if (picture.isNull()) continue;
        const QPoint hotSpot = hotSpotOf(id);
        cursors().insert(id, QCursor(picture, hotSpot.x(), hotSpot.y()));
    }
}

QCursor AppCursors::Get(int resourceId)
{
    return cursors().value(resourceId, QCursor(Qt::ArrowCursor));
}
