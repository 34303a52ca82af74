#include "platform/file/SystemError.h"

#include <cerrno>

namespace platform {
namespace {

// Every cause that reading or writing a file or folder can meet, told in the program's language; the
// system's own texts are English and would stand in the middle of a German message.
QString causeOf(int error)
{
    switch (error) {
        case ENOSPC:
            return QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei.");
        case EDQUOT:
            return QStringLiteral("Der Speicherplatz, der diesem Benutzer zusteht, ist aufgebraucht.");
        case EFBIG:
        case EOVERFLOW:
            return QStringLiteral("Die Datei wäre größer, als das System erlaubt.");
        case EACCES:
        case EPERM:
            return QStringLiteral("Zugriff verweigert.");
        case EROFS:
            return QStringLiteral("Der Datenträger ist schreibgeschützt.");
        case ENOENT:
            return QStringLiteral("Datei oder Ordner nicht gefunden.");
        case ENOTDIR:
            return QStringLiteral("Ein Teil des Pfads ist eine Datei, kein Ordner.");
        case EISDIR:
            return QStringLiteral("An dieser Stelle steht ein Ordner.");
        case ENOTEMPTY:
            return QStringLiteral("Der Ordner ist nicht leer.");
        case EEXIST:
            return QStringLiteral("Eine Datei oder ein Ordner dieses Namens besteht schon.");
        case ENAMETOOLONG:
            return QStringLiteral("Der Name der Datei oder eines Ordners ist zu lang.");
        case ELOOP:
            return QStringLiteral("Der Pfad führt über zu viele Verknüpfungen.");
        case EMLINK:
            return QStringLiteral("Die Datei oder der Ordner hat zu viele Verweise.");
        case EXDEV:
            return QStringLiteral("Die Datei kann nicht auf einen anderen Datenträger verschoben werden.");
        case EBUSY:
        case ETXTBSY:
            return QStringLiteral("Die Datei oder der Ordner ist gerade in Gebrauch.");
        case EAGAIN:
        case ENOLCK:
            return QStringLiteral("Die Datei ist gesperrt.");
        case EMFILE:
            return QStringLiteral("Das Programm hat zu viele Dateien geöffnet.");
        case ENFILE:
            return QStringLiteral("Im System sind zu viele Dateien geöffnet.");
        case ENOMEM:
            return QStringLiteral("Der Arbeitsspeicher reicht nicht aus.");
        case EINVAL:
            return QStringLiteral("Der Datenträger lässt diesen Namen oder Vorgang nicht zu.");
        case EOPNOTSUPP:
            return QStringLiteral("Der Datenträger unterstützt diesen Vorgang nicht.");
        case ENXIO:
        case ENODEV:
            return QStringLiteral("Das Gerät ist nicht vorhanden.");
        case EIO:
            return QStringLiteral("Ein-/Ausgabefehler des Datenträgers.");
        case ESTALE:
        case ETIMEDOUT:
        case ENOTCONN:
            return QStringLiteral("Die Verbindung zum Netzlaufwerk ist unterbrochen.");
        case EINTR:
            return QStringLiteral("Der Vorgang wurde unterbrochen.");
        default:
            return QStringLiteral("Systemfehler %1.").arg(error);
    }
}

}  // namespace

QString systemErrorText(const QString& path, int error)
{
    return path + QStringLiteral(": ") + causeOf(error);
}

}  // namespace platform
