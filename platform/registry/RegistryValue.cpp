#include "platform/registry/RegistryValue.h"

#include <QtEndian>

namespace platform {

RegistryValue RegistryValue::fromDword(quint32 number)
{
    QByteArray data(4, '\0');
    qToLittleEndian(number, data.data());
    return {kDword, data};
}

RegistryValue RegistryValue::fromString(QStringView text)
{
    QByteArray data((text.size() + 1) * 2, '\0');
    if (!text.isEmpty()) qToLittleEndian<char16_t>(text.utf16(), text.size(), data.data());
    return {kString, data};
}

std::optional<quint32> RegistryValue::toDword() const
{
    if (type != kDword || data.size() != 4) return std::nullopt;
    return qFromLittleEndian<quint32>(data.constData());
}

std::optional<QString> RegistryValue::toString() const
{
    if (type != kString) return std::nullopt;
    QString text(data.size() / 2, Qt::Uninitialized);
    if (!text.isEmpty()) qFromLittleEndian<char16_t>(data.constData(), text.size(), text.data());
    const qsizetype end = text.indexOf(QChar(u'\0'));
    if (end >= 0) text.truncate(end);
    return text;
}

}  // namespace platform
