#include "platform/dialog/DialogControls.h"

#include "platform/dialog/BitmapButton.h"
#include "platform/dialog/MultiLineEdit.h"
#include "platform/dialog/TextFit.h"
#include "platform/dialog/UpDown.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <limits>

namespace platform {
namespace {

// Each step widens by 2 %; beyond three times the template's width a dialog would no longer be usable.
constexpr double kWideningStep = 1.02;
constexpr double kMostWidening = 3.0;

QLabel* staticText(const ControlTemplate& control, QWidget* parent)
{
    auto* label = new QLabel(control.text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(control.alignment | Qt::AlignTop);
    return label;
}

QLineEdit* lineEdit(const ControlTemplate& control, QWidget* parent)
{
    auto* edit = new QLineEdit(control.text, parent);
    // A Windows edit field holds far more than Qt's default of 32767 characters: a stored text is never cut.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setReadOnly(control.readOnly);
    edit->setAlignment(control.alignment | Qt::AlignVCenter);
    return edit;
}

MultiLineEdit* multiLineEdit(const ControlTemplate& control, QWidget* parent)
{
    auto* edit = new MultiLineEdit(parent);
    edit->setText(control.text);
    edit->setReadOnly(control.readOnly);
    edit->setTextAlignment(control.alignment);
    if (control.autoHScroll) edit->setLineWrapMode(QTextEdit::NoWrap);
    return edit;
}

QCheckBox* imageCheck(const ControlTemplate& control, QWidget* parent)
{
    auto* box = new QCheckBox(control.text, parent);
    box->setStyleSheet(
        QStringLiteral("QCheckBox::indicator:unchecked { image: url(%1); }"
                       "QCheckBox::indicator:checked { image: url(%2); }")
            .arg(DialogTemplate::imagePath(control.image), DialogTemplate::imagePath(control.checkedImage)));
    box->setCursor(Qt::PointingHandCursor);
    return box;
}

QPushButton* linkButton(const ControlTemplate& control, QWidget* parent)
{
    auto* button = new QPushButton(control.text, parent);
    button->setFlat(true);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    button->setPalette(palette);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QWidget* createOfKind(const ControlTemplate& control, QWidget* parent)
{
    switch (control.kind) {
        case ControlKind::Static:
            return staticText(control, parent);
        case ControlKind::GroupBox:
            return new QGroupBox(control.text, parent);
        case ControlKind::Icon:
            return new QLabel(parent);
        case ControlKind::EtchedLine: {
            auto* line = new QFrame(parent);
            line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
            return line;
        }
        case ControlKind::CheckBox:
            return new QCheckBox(control.text, parent);
        case ControlKind::ImageCheck:
            return imageCheck(control, parent);
        case ControlKind::PushButton:
            return new QPushButton(control.text, parent);
        case ControlKind::DefPushButton: {
            auto* button = new QPushButton(control.text, parent);
            button->setDefault(true);
            return button;
        }
        case ControlKind::LinkButton:
            return linkButton(control, parent);
        case ControlKind::OwnerDrawButton: {
            auto* button = new BitmapButton(parent);
            button->setText(control.text);
            return button;
        }
        case ControlKind::Edit:
            return lineEdit(control, parent);
        case ControlKind::MultiLineEdit:
            return multiLineEdit(control, parent);
        case ControlKind::UpDown:
            return new UpDown(parent);
        case ControlKind::DropList: {
            auto* list = new QComboBox(parent);
            list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            return list;
        }
    }
    return nullptr;
}

bool takesFocus(const QWidget* control)
{
    return (control->focusPolicy() & Qt::TabFocus) != 0;
}

}  // namespace

DialogControls::DialogControls(QWidget& host, DialogTemplate dialogTemplate, const ImageSource& images)
    : m_host(host),
      m_template(std::move(dialogTemplate)),
      m_units(DialogUnits::dialogFont(m_template.fontFace, m_template.fontPoints))
{
    m_host.setFont(DialogUnits::dialogFont(m_template.fontFace, m_template.fontPoints));
    for (const ControlTemplate& control : m_template.controls) {
        QWidget* widget = create(control, images);
        m_controls.append(widget);
        if (control.id != 0) m_items.insert(control.id, widget);
    }
    setTabOrderAndBuddies();
    fit();
}

QWidget* DialogControls::create(const ControlTemplate& control, const ImageSource& images)
{
    QWidget* widget = createOfKind(control, &m_host);
    if (control.id != 0) widget->setObjectName(QString::number(control.id));
    if (control.kind == ControlKind::Icon && images)
        static_cast<QLabel*>(widget)->setPixmap(images(control.image));
    return widget;
}

void DialogControls::setTabOrderAndBuddies()
{
    QWidget* previous = nullptr;
    for (qsizetype i = 0; i < m_controls.size(); ++i) {
        QWidget* control = m_controls[i];
        // An up-down control works the edit field just before it.
        if (auto* upDown = qobject_cast<UpDown*>(control); upDown && i > 0)
            upDown->setBuddy(qobject_cast<QLineEdit*>(m_controls[i - 1]));
        auto* label = qobject_cast<QLabel*>(control);
        if (label && label->text().contains(u'&')) {
            // A static's mnemonic moves the focus to the next control that takes it, as on Windows.
            const auto next = std::find_if(m_controls.begin() + i + 1, m_controls.end(), takesFocus);
            if (next != m_controls.end()) label->setBuddy(*next);
        }
        if (!takesFocus(control)) continue;
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

QWidget* DialogControls::mnemonicTarget(const QKeySequence& mnemonic) const
{
    for (QWidget* control : m_controls) {
        if (auto* label = qobject_cast<QLabel*>(control)) {
            if (label->buddy() && QKeySequence::mnemonic(label->text()) == mnemonic) return label->buddy();
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            if (QKeySequence::mnemonic(button->text()) == mnemonic) return button;
        }
    }
    return nullptr;
}

QString DialogControls::text(int id) const
{
    QWidget* control = item(id);
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* edit = qobject_cast<MultiLineEdit*>(control)) return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentText();
    if (auto* group = qobject_cast<QGroupBox*>(control)) return group->title();
    return {};
}

void DialogControls::setText(int id, const QString& text)
{
    QWidget* control = item(id);
    if (auto* label = qobject_cast<QLabel*>(control)) label->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(text);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(text);
    if (auto* edit = qobject_cast<MultiLineEdit*>(control)) edit->setText(text);
    if (auto* group = qobject_cast<QGroupBox*>(control)) group->setTitle(text);
    if (control && !textFits(*control)) fit();
}

void DialogControls::fit()
{
    layOut();
    while (!allTextsFit() && m_widening < kMostWidening) {
        m_widening *= kWideningStep;
        layOut();
    }
}

void DialogControls::layOut()
{
    for (qsizetype i = 0; i < m_controls.size(); ++i) {
        QWidget* control = m_controls[i];
        QRect rect = m_units.toPixels(m_template.controls[i].rect, m_widening);
        if (qobject_cast<QComboBox*>(control)) {
            // The template's height includes the dropped-down list.
            rect.setHeight(control->sizeHint().height());
        } else if (auto* icon = qobject_cast<QLabel*>(control); icon && !icon->pixmap().isNull()) {
            rect.setSize(icon->pixmap().deviceIndependentSize().toSize());
        } else if (auto* button = qobject_cast<BitmapButton*>(control);
                   button && !button->sizeHint().isEmpty()) {
            rect.setSize(button->sizeHint());
        }
        control->setGeometry(rect);
    }
    m_host.setFixedSize(m_units.toPixels(m_template.size, m_widening));
}

bool DialogControls::allTextsFit() const
{
    return std::all_of(m_controls.begin(), m_controls.end(), [](const QWidget* c) { return textFits(*c); });
}

}  // namespace platform
