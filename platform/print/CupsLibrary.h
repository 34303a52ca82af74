#pragma once

#include <cups/cups.h>

namespace platform {

// The CUPS library, loaded the first time a queue is looked up: a start that prints nothing loads neither it
// nor what it brings (TLS, service discovery, Kerberos). Printing loads it anyway, through Qt's own print
// support, which then shares its state, the last request's status among it.
class CupsLibrary {
public:
    struct Functions {
        decltype(&cupsGetNamedDest) getNamedDest;
        decltype(&cupsGetOption) getOption;
        decltype(&cupsLastError) lastError;
        decltype(&cupsFreeDests) freeDests;
    };

    // Null when the library cannot be loaded: the scheduler then knows no queue.
    static const Functions* functions();
};

}  // namespace platform
