#include "platform/dialog/ToolTipParams.h"

#include <QFontMetrics>
#include <algorithm>
#include <climits>

namespace platform {
namespace {

constexpr int kMargin = 6;
constexpr int kSeparatorGap = 4;

}  // namespace

ToolTipLayout ToolTipLayout::of(const QString& title, const QString& description, const ToolTipParams& params,
                                const QFont& font)
{
    ToolTipLayout layout;
    layout.titleFont = font;
    layout.titleFont.setBold(!description.isEmpty());
    const QSize titleSize = QFontMetrics(layout.titleFont).size(0, title);
    layout.title = QRect(QPoint(kMargin, kMargin), titleSize);
    int width = titleSize.width();
    int bottom = layout.title.bottom() + 1;
    if (!description.isEmpty()) {
        if (params.drawSeparator) {
            layout.separator = true;
            layout.separatorY = bottom + kSeparatorGap;
            bottom = layout.separatorY + 1;
        }
        const QRect wrapped = QFontMetrics(font).boundingRect(
            QRect(0, 0, params.maxDescriptionWidth, INT_MAX), Qt::TextWordWrap, description);
        layout.description = QRect(QPoint(kMargin, bottom + kSeparatorGap), wrapped.size());
        width = std::max(width, wrapped.width());
        bottom = layout.description.bottom() + 1;
    }
    layout.size = QSize(width + 2 * kMargin, bottom + kMargin);
    return layout;
}

}  // namespace platform
