#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace platform {

// Command lines in the Windows form, one text: the program and its arguments separated by blanks, an
// argument with blanks in double quotes.
namespace commandline {

// The arguments of a command line by the Windows rules: blanks separate, double quotes group, a backslash
// escapes a quote (2n backslashes before a quote are n backslashes, 2n + 1 give n and a literal quote), other
// backslashes stand as they are.
QStringList split(QStringView commandLine);

// Starts the program of a command line with its arguments, as UTF-8 and without a shell; false when there
// is no program or it could not be started.
bool start(QStringView commandLine);

// The program's own arguments as the system passed them to main(), the program itself left out. A file name
// whose bytes are not UTF-8 is kept byte for byte (filename::fromNative), so that the file opens.
QStringList arguments(int argc, const char* const* argv);

}  // namespace commandline
}  // namespace platform
