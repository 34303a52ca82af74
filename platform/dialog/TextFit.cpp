#include "platform/dialog/TextFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <climits>

namespace platform {
namespace {

bool labelFits(const QLabel& label)
{
    if (label.text().isEmpty()) return true;
    const QRect room = label.contentsRect();
    // Only a label with a buddy takes "&" for its mnemonic; any other shows it.
    const QString shown = label.buddy() ? withoutMnemonic(label.text()) : label.text();
    const QFontMetrics metrics = label.fontMetrics();
    const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), INT_MAX), Qt::TextWordWrap, shown);
    // Wrapped lines are laid out a little further apart than the font is high; below the last line that
    // space stays empty, so one line fits the height of the font.
    const int spaceBelowLastLine =
        metrics.boundingRect(QRect(0, 0, INT_MAX, INT_MAX), 0, QStringLiteral("X")).height() -
        metrics.height();
    return needed.width() <= room.width() &&
           needed.height() - std::max(0, spaceBelowLastLine) <= room.height();
}

bool buttonFits(const QAbstractButton& button, QStyle::SubElement contents)
{
    if (button.text().isEmpty()) return true;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    return button.fontMetrics().horizontalAdvance(withoutMnemonic(button.text())) <= room.width();
}

bool lineEditFits(const QLineEdit& edit)
{
    // A line edit keeps two pixels each side inside its frame.
    const int frame = 2 * edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit) + 4;
    return edit.fontMetrics().horizontalAdvance(edit.text()) + frame <= edit.width();
}

}  // namespace

QString withoutMnemonic(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        shown.append(text[i]);
    }
    return shown;
}

bool textFits(const QWidget& control)
{
    // A control hidden on purpose shows no text; one that merely waits for its window to show does.
    if (control.isHidden() && control.testAttribute(Qt::WA_WState_ExplicitShowHide)) return true;
    if (auto* label = qobject_cast<const QLabel*>(&control)) return labelFits(*label);
    if (auto* check = qobject_cast<const QCheckBox*>(&control))
        return buttonFits(*check, QStyle::SE_CheckBoxContents);
    if (auto* button = qobject_cast<const QPushButton*>(&control)) {
        return buttonFits(*button, QStyle::SE_PushButtonContents);
    }
    if (auto* group = qobject_cast<const QGroupBox*>(&control)) {
        return group->minimumSizeHint().width() <= group->width();
    }
    if (auto* edit = qobject_cast<const QLineEdit*>(&control)) return lineEditFits(*edit);
    if (auto* list = qobject_cast<const QComboBox*>(&control))
        return list->sizeHint().width() <= list->width();
    return true;
}

}  // namespace platform
