#include "forms/common/CDlgNew.h"

#include "platform/dialog/BitmapButton.h"

#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int kPictureSize = 48;

const char* const kMiniatures[] = {":/chooser/eur1.svg", ":/chooser/atr.svg", ":/chooser/uz.svg",
                                   ":/chooser/lze848a.svg"};

platform::DialogTemplate LoadTemplate()
{
    QFile file(QStringLiteral(":/chooser/%1.json").arg(CDlgNew::kTemplateId));
    if (!file.open(QIODevice::ReadOnly))
        throw platform::DialogTemplateError("Eine erforderliche Ressource ist nicht verfügbar.");
    return platform::DialogTemplate::fromJson(file.readAll());
}

QPixmap onButtonFace(const QPixmap& miniature, QPoint offset, bool framed)
{
    QPixmap picture(kPictureSize, kPictureSize);
    picture.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&picture);
    painter.drawPixmap(offset, miniature);
    if (framed) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(1, 1, kPictureSize - 3, kPictureSize - 3);
    }
    return picture;
}

}  // namespace

CDlgNew::CDlgNew(QWidget* parent) : platform::Dialog(LoadTemplate(), parent)
{
    for (int index = 0; index < static_cast<int>(kButtonIds.size()); ++index) {
        platform::BitmapButton* button = FormButton(index);
        const Pictures pictures = PicturesOf(QString::fromLatin1(kMiniatures[index]));
        if (pictures.normal.isNull())
            throw platform::DialogTemplateError("Eine erforderliche Ressource ist nicht verfügbar.");
        button->loadBitmaps(pictures.normal, pictures.pressed, pictures.focused);
        button->setFocusPolicy(Qt::StrongFocus);
        connect(button, &platform::BitmapButton::clicked, this, [this, index] { Choose(index); });
    }
}

CDlgNew::Pictures CDlgNew::PicturesOf(const QString& miniature)
{
    const QPixmap form = QIcon(miniature).pixmap(kPictureSize, kPictureSize);
    if (form.isNull()) return {};
    return {onButtonFace(form, {0, 0}, false), onButtonFace(form, {2, 2}, false),
            onButtonFace(form, {0, 0}, true)};
}

platform::BitmapButton* CDlgNew::FormButton(int index) const
{
    return itemAs<platform::BitmapButton>(kButtonIds.at(index));
}

void CDlgNew::onInitDialog()
{
    platform::Dialog::onInitDialog();
    FormButton(0)->setFocus();
}

void CDlgNew::Choose(int index)
{
    m_nChoice = index + 1;
    FormButton(index)->setFocus();
    onOk();
}

void CDlgNew::onOk()
{
    // The form is the one whose button has the focus and is not held down.
    m_nChoice = 0;
    for (int index = 0; index < static_cast<int>(kButtonIds.size()); ++index) {
        const platform::BitmapButton* button = FormButton(index);
        if (focusWidget() == button && !button->isDown()) m_nChoice = index + 1;
    }
    if (m_nChoice != 0) endDialog(platform::answer::kOk);
}

void CDlgNew::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && qobject_cast<platform::BitmapButton*>(focusWidget())) {
        onOk();
        return;
    }
    platform::Dialog::keyPressEvent(event);
}
