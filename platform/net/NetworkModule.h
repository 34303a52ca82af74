#pragma once

#include "platform/net/HttpClient.h"

namespace platform {

// The network module: the transfers over the network in a library of their own, loaded the first time the
// program goes online, so that Qt Network and the libraries it brings (proxies, Kerberos) are not loaded at
// every start for an update check that may never run. It lies beside the program, or where the build put it.
class NetworkModule {
public:
    // What the module hands out.
    struct Functions {
        HttpAnswer (*get)(const HttpRequest& request);
        void (*cancel)();
    };
    // The module's one exported function, which fills in the others.
    static constexpr const char* kEntry = "kzNetworkModule";
    using Entry = void (*)(Functions& functions);

    // The module's functions, loaded on the first call; null, with `error` set, when it cannot be loaded.
    static const Functions* load(QString& error);
    // Null when the module was never loaded.
    static const Functions* loaded();
};

}  // namespace platform
