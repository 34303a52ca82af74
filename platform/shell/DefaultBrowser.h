#pragma once

#include <QString>
#include <optional>

namespace platform {

// The program of the desktop's default web browser: the first installed application that the XDG
// mimeapps.list files name for text/html or, failing that, for http links; else Debian's x-www-browser.
std::optional<QString> defaultBrowserProgram();

}  // namespace platform
