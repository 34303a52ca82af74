#include "platform/file/SystemError.h"

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

// The causes a user can do something about; any other is the system's own text.
QString causeOf(int error)
{
    switch (error) {
        case ENOSPC:
            return QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei.");
        case EDQUOT:
            return QStringLiteral("Der Speicherplatz, der diesem Benutzer zusteht, ist aufgebraucht.");
        case EFBIG:
            return QStringLiteral("Die Datei wäre größer, als das System erlaubt.");
        case EACCES:
        case EPERM:
            return QStringLiteral("Zugriff verweigert.");
        case EROFS:
            return QStringLiteral("Der Datenträger ist schreibgeschützt.");
        case ENOENT:
            return QStringLiteral("Datei oder Ordner nicht gefunden.");
        case EISDIR:
            return QStringLiteral("An dieser Stelle steht ein Ordner.");
        case EIO:
            return QStringLiteral("Ein-/Ausgabefehler des Datenträgers.");
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

}  // namespace

QString systemErrorText(const QString& path, int error)
{
    return path + QStringLiteral(": ") + causeOf(error);
}

}  // namespace platform
