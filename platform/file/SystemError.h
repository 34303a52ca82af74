#pragma once

#include <QString>

namespace platform {

// What went wrong with a file, for a person: the file and the cause in plain German, e.g.
// "/home/a/Kunde.fma: Auf dem Datenträger ist kein Platz mehr frei."; a cause without a text of its own
// is given by its number, "Systemfehler 133.".
QString systemErrorText(const QString& path, int error);

}  // namespace platform
