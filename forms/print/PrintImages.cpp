#include "forms/print/PrintImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>

namespace {

enum class ButtonFace { Raised, Sunken, Focused };

struct ArrowImage {
    int id;
    Qt::ArrowType direction;
    ButtonFace face;
};

constexpr std::array<ArrowImage, 12> kArrowImages{{
    {21116, Qt::LeftArrow, ButtonFace::Raised},
    {21117, Qt::LeftArrow, ButtonFace::Focused},
    {21118, Qt::LeftArrow, ButtonFace::Sunken},
    {21119, Qt::RightArrow, ButtonFace::Raised},
    {21120, Qt::RightArrow, ButtonFace::Focused},
    {21121, Qt::RightArrow, ButtonFace::Sunken},
    {21122, Qt::UpArrow, ButtonFace::Sunken},
    {21123, Qt::UpArrow, ButtonFace::Focused},
    {21124, Qt::UpArrow, ButtonFace::Raised},
    {21125, Qt::DownArrow, ButtonFace::Sunken},
    {21126, Qt::DownArrow, ButtonFace::Focused},
    {21127, Qt::DownArrow, ButtonFace::Raised},
}};

const QColor kButtonFace(192, 192, 192);
const QColor kShadow(128, 128, 128);

QPolygonF arrow(Qt::ArrowType direction, QPointF centre)
{
    const QPolygonF right({{-5, -6}, {5, 0}, {-5, 6}});
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    switch (direction) {
        case Qt::LeftArrow:
            turn.rotate(180);
            break;
        case Qt::UpArrow:
            turn.rotate(270);
            break;
        case Qt::DownArrow:
            turn.rotate(90);
            break;
        default:
            break;
    }
    return turn.map(right);
}

QPixmap arrowButton(const ArrowImage& image)
{
    QPixmap pixmap(24, 23);
    pixmap.fill(kButtonFace);
    QPainter painter(&pixmap);
    const bool sunken = image.face == ButtonFace::Sunken;
    const QRect edge = pixmap.rect().adjusted(0, 0, -1, -1);
    painter.setPen(sunken ? kShadow : Qt::white);
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(sunken ? Qt::white : Qt::black);
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
    if (image.face == ButtonFace::Focused) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(edge.adjusted(3, 3, -3, -3));
    }
    // A pressed button's arrow moves down and right by one pixel, as if pushed in.
    const QPointF centre = QRectF(pixmap.rect()).center() + (sunken ? QPointF(1, 1) : QPointF(0, 0));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    painter.drawPolygon(arrow(image.direction, centre));
    return pixmap;
}

QPixmap emptyIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap sheet(QRect page)
{
    QPixmap pixmap = emptyIcon();
    QPainter painter(&pixmap);
    constexpr int kFold = 6;
    const QPolygon outline({page.topLeft(), page.topRight() - QPoint(kFold, 0),
                            page.topRight() + QPoint(0, kFold), page.bottomRight(), page.bottomLeft()});
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawPolygon(outline);
    painter.drawPolyline(
        QPolygon({page.topRight() - QPoint(kFold, 0), page.topRight() + QPoint(-kFold, kFold),
                  page.topRight() + QPoint(0, kFold)}));
    return pixmap;
}

QPixmap warningTriangle()
{
    QPixmap pixmap = emptyIcon();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::red, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::yellow);
    painter.drawPolygon(QPolygonF({{16, 3}, {29, 28}, {3, 28}}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(14.5, 11, 3, 10));
    painter.drawRect(QRectF(14.5, 23, 3, 3));
    return pixmap;
}

QPixmap greenTick()
{
    QPixmap pixmap = emptyIcon();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 160, 0), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{5, 17}, {13, 25}, {27, 7}}));
    return pixmap;
}

}  // namespace

QPixmap PrintImages::image(int id)
{
    switch (id) {
        case 332:
            return warningTriangle();
        case 334:
            return sheet(QRect(2, 7, 28, 19));
        case 335:
            return greenTick();
        case 336:
            return sheet(QRect(7, 2, 19, 28));
        default:
            break;
    }
    for (const ArrowImage& image : kArrowImages) {
        if (image.id == id) return arrowButton(image);
    }
    return {};
}
