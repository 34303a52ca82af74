#pragma once

#include <QString>
#include <optional>

namespace platform {

// Facts about this machine and its user, each read when asked; nothing is remembered.
namespace systeminfo {

// The login name of the user the program runs as.
std::optional<QString> userName();
// The machine's host name.
std::optional<QString> computerName();
// The user's documents folder from the XDG user directories ($HOME/Documents when they name none). The
// folder may not exist yet.
std::optional<QString> documentsFolder();
// $XDG_CONFIG_HOME, or ~/.config when it is unset or empty.
QString configHome();
// $XDG_DATA_HOME, or ~/.local/share when it is unset or empty.
QString dataHome();

}  // namespace systeminfo
}  // namespace platform
