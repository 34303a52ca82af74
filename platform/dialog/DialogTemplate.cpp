#include "platform/dialog/DialogTemplate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <utility>

namespace platform {
namespace {

constexpr std::array<std::pair<QStringView, ControlKind>, 14> kKinds{{
    {u"static", ControlKind::Static},
    {u"groupbox", ControlKind::GroupBox},
    {u"icon", ControlKind::Icon},
    {u"etchedline", ControlKind::EtchedLine},
    {u"checkbox", ControlKind::CheckBox},
    {u"imagecheck", ControlKind::ImageCheck},
    {u"pushbutton", ControlKind::PushButton},
    {u"defpushbutton", ControlKind::DefPushButton},
    {u"linkbutton", ControlKind::LinkButton},
    {u"ownerdrawbutton", ControlKind::OwnerDrawButton},
    {u"edit", ControlKind::Edit},
    {u"multiedit", ControlKind::MultiLineEdit},
    {u"updown", ControlKind::UpDown},
    {u"droplist", ControlKind::DropList},
}};

[[noreturn]] void fail(const QString& what)
{
    throw DialogTemplateError(what.toStdString());
}

Qt::Alignment alignmentNamed(const QString& name)
{
    if (name.isEmpty() || name == u"left") return Qt::AlignLeft;
    if (name == u"center") return Qt::AlignHCenter;
    if (name == u"right") return Qt::AlignRight;
    fail(QStringLiteral("unknown alignment \"%1\"").arg(name));
}

ControlKind kindNamed(const QString& name)
{
    for (const auto& [kindName, kind] : kKinds) {
        if (kindName == name) return kind;
    }
    fail(QStringLiteral("unknown control kind \"%1\"").arg(name));
}

QRect rectOf(const QJsonValue& value)
{
    const QJsonArray numbers = value.toArray();
    if (numbers.size() != 4) fail(QStringLiteral("a rectangle needs x, y, width and height"));
    return QRect(numbers[0].toInt(), numbers[1].toInt(), numbers[2].toInt(), numbers[3].toInt());
}

ControlTemplate controlOf(const QJsonObject& object)
{
    ControlTemplate control;
    control.id = object["id"].toInt();
    control.kind = kindNamed(object["kind"].toString());
    control.text = object["text"].toString();
    control.rect = rectOf(object["rect"]);
    control.readOnly = object["readOnly"].toBool();
    control.alignment = alignmentNamed(object["align"].toString());
    control.autoHScroll = object["autoHScroll"].toBool();
    control.image = object["image"].toInt();
    control.checkedImage = object["checkedImage"].toInt();
    return control;
}

}  // namespace

DialogTemplate DialogTemplate::load(int id)
{
    QFile file(QStringLiteral(":/dialogs/%1.json").arg(id));
    if (!file.open(QIODevice::ReadOnly)) fail(QStringLiteral("no dialog template %1").arg(id));
    return fromJson(file.readAll());
}

QString DialogTemplate::imagePath(int id)
{
    return QStringLiteral(":/dialogs/%1.svg").arg(id);
}

DialogTemplate DialogTemplate::fromJson(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isObject()) fail(QStringLiteral("dialog template: %1").arg(error.errorString()));
    const QJsonObject object = document.object();

    DialogTemplate result;
    result.id = object["id"].toInt();
    result.caption = object["caption"].toString();
    result.fontFace = object["font"].toString();
    result.fontPoints = object["points"].toInt(8);
    const QJsonArray size = object["size"].toArray();
    if (size.size() != 2) fail(QStringLiteral("dialog template %1 has no size").arg(result.id));
    result.size = QSize(size[0].toInt(), size[1].toInt());
    result.popup = object["popup"].toBool();
    for (const QJsonValue& control : object["controls"].toArray()) {
        result.controls.append(controlOf(control.toObject()));
    }
    return result;
}

const ControlTemplate* DialogTemplate::control(int controlId) const
{
    for (const ControlTemplate& control : controls) {
        if (control.id == controlId) return &control;
    }
    return nullptr;
}

}  // namespace platform
