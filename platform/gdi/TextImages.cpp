#include "platform/gdi/TextImages.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <cmath>
#include <optional>
#include <utility>

namespace platform {
namespace {

// Text is placed in 64ths of a pixel: the raster engine cuts the painter's point toward zero to a whole 64th,
// then shifts it onto the device. A baseline starting anywhere within one 64th puts its glyphs on the same
// pixels.
constexpr int kSteps = 64;
// Room around the glyphs' outlines for their smoothed edges.
constexpr int kMargin = 1;
// How many texts drawn once are remembered.
constexpr qsizetype kMostSeen = 4096;

struct Key {
    QString text;
    QFont font;
    QRgb color;
    QPoint step;  // where in its pixel the baseline starts, in 64ths
    friend bool operator==(const Key&, const Key&) = default;
    friend size_t qHash(const Key& key, size_t seed = 0)
    {
        return qHashMulti(seed, key.text, key.font, key.color, key.step.x(), key.step.y());
    }
};

struct Picture {
    QImage image;
    // From the whole pixel in which the baseline starts to the picture's top-left corner.
    QPoint offset;
    quint64 lastPaint = 0;
};

struct Tables {
    QHash<Key, Picture> pictures;
    QSet<Key> seenOnce;
    qsizetype bytes = 0;
    quint64 paint = 0;
};

Tables& tables()
{
    static Tables all;
    return all;
}

// A coordinate as the whole pixel its 64th lies in and the 64ths into that pixel.
std::pair<int, int> inSteps(double coordinate)
{
    const auto steps = static_cast<long long>(coordinate * kSteps);
    const long long whole = steps >= 0 ? steps / kSteps : -((-steps + kSteps - 1) / kSteps);
    return {static_cast<int>(whole), static_cast<int>(steps - whole * kSteps)};
}

// What a text's picture holds: its pixels and the text.
qsizetype bytesOf(const Key& key, QSize pixels)
{
    return key.text.size() * qsizetype(sizeof(QChar)) + qsizetype(pixels.width()) * pixels.height() * 4;
}

// How large a text's picture is and where in it the baseline starts (plus the 64ths).
struct Layout {
    QSize size;
    QPoint start;
};

// Room for the glyphs' outlines wherever within its pixel the baseline starts; nothing for a text without
// ink.
std::optional<Layout> layoutOf(const Key& key)
{
    const QRectF ink = QFontMetricsF(key.font).boundingRect(key.text);
    if (ink.isEmpty()) return std::nullopt;
    const QPoint start(kMargin - int(std::floor(ink.left())), kMargin - int(std::floor(ink.top())));
    const QSize size(start.x() + int(std::ceil(ink.right())) + kMargin + 1,
                     start.y() + int(std::ceil(ink.bottom())) + kMargin + 1);
    return Layout{size, start};
}

// The smallest part of a premultiplied picture that holds all its ink; none when it has none. Blending a
// wholly transparent pixel leaves the screen's pixel as it is, so what lies around that part need not be
// drawn.
QRect inkedPart(const QImage& image)
{
    QRect inked;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int left = 0;
        while (left < image.width() && qAlpha(row[left]) == 0) ++left;
        if (left == image.width()) continue;
        int right = image.width() - 1;
        while (qAlpha(row[right]) == 0) --right;
        inked |= QRect(left, y, right - left + 1, 1);
    }
    return inked;
}

// The glyphs drawn as the raster engine draws them onto the screen, premultiplied for the fastest blending,
// cut to their ink.
Picture drawn(const Key& key, const Layout& layout)
{
    QImage image(layout.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(key.font);
    painter.setPen(QColor::fromRgba(key.color));
    painter.drawText(QPointF(layout.start) + QPointF(key.step) / kSteps, key.text);
    painter.end();
    const QRect inked = inkedPart(image);
    if (inked.isEmpty()) return {};
    return {image.copy(inked), inked.topLeft() - layout.start};
}

// Whether `bytes` more fit, after letting go of the pictures the current paint has not drawn.
bool makeRoom(Tables& all, qsizetype bytes)
{
    if (all.bytes + bytes <= TextImages::kMostBytes) return true;
    for (auto it = all.pictures.begin(); it != all.pictures.end();) {
        if (it->lastPaint == all.paint) {
            ++it;
            continue;
        }
        all.bytes -= bytesOf(it.key(), it->image.size());
        it = all.pictures.erase(it);
    }
    return all.bytes + bytes <= TextImages::kMostBytes;
}

// The picture of `key`, made the second time the text is drawn; null when it is drawn directly.
const Picture* pictureOf(Key&& key)
{
    Tables& all = tables();
    if (const auto known = all.pictures.find(key); known != all.pictures.end()) {
        known->lastPaint = all.paint;
        return &*known;
    }
    if (!all.seenOnce.contains(key)) {
        if (all.seenOnce.size() >= kMostSeen) all.seenOnce.clear();
        all.seenOnce.insert(std::move(key));
        return nullptr;
    }
    const std::optional<Layout> layout = layoutOf(key);
    // Room for the picture before it is cut to its ink.
    if (!makeRoom(all, bytesOf(key, layout ? layout->size : QSize()))) return nullptr;
    Picture picture = layout ? drawn(key, *layout) : Picture{};
    picture.lastPaint = all.paint;
    all.seenOnce.remove(key);
    all.bytes += bytesOf(key, picture.image.size());
    return &*all.pictures.insert(std::move(key), std::move(picture));
}

}  // namespace

void TextImages::startPaint()
{
    ++tables().paint;
}

bool TextImages::draw(QPainter& painter, QPointF origin, const QString& text, const QFont& font, QColor color)
{
    const auto [x, stepX] = inSteps(origin.x());
    const auto [y, stepY] = inSteps(origin.y());
    const Picture* picture = pictureOf(Key{text, font, color.rgba(), QPoint(stepX, stepY)});
    if (!picture) return false;
    if (!picture->image.isNull()) painter.drawImage(QPoint(x, y) + picture->offset, picture->image);
    return true;
}

qsizetype TextImages::bytesHeld()
{
    return tables().bytes;
}

}  // namespace platform
