#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

namespace platform {

// One registry value as the registry keeps it: a type number and the bytes of its data. A text is UTF-16
// little-endian with its terminating zero, a number four bytes little-endian. Reading a value as a number or
// a text checks its type and size first, so a value of the wrong kind or a damaged one reads as absent.
struct RegistryValue {
    static constexpr quint32 kString = 1;  // REG_SZ
    static constexpr quint32 kBinary = 3;  // REG_BINARY
    static constexpr quint32 kDword = 4;   // REG_DWORD

    quint32 type = kString;
    QByteArray data;

    static RegistryValue fromDword(quint32 number);
    static RegistryValue fromString(QStringView text);

    // Only a value of type REG_DWORD with exactly four bytes is a number.
    std::optional<quint32> toDword() const;
    // The text up to its first zero character; a last odd byte is no character and is left out.
    std::optional<QString> toString() const;

    bool operator==(const RegistryValue&) const = default;
};

}  // namespace platform
