#include "platform/print/CupsLibrary.h"

#include <QLibrary>
#include <optional>

namespace platform {
namespace {

constexpr int kMajorVersion = 2;

template <class Function>
bool resolve(QLibrary& library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

}  // namespace

const CupsLibrary::Functions* CupsLibrary::functions()
{
    static const std::optional<Functions> loaded = []() -> std::optional<Functions> {
        QLibrary library(QStringLiteral("cups"), kMajorVersion);
        Functions found{};
        const bool complete = resolve(library, "cupsGetNamedDest", found.getNamedDest) &&
                              resolve(library, "cupsGetOption", found.getOption) &&
                              resolve(library, "cupsLastError", found.lastError) &&
                              resolve(library, "cupsFreeDests", found.freeDests);
        if (!complete) return std::nullopt;
        return found;
    }();
    return loaded ? &*loaded : nullptr;
}

}  // namespace platform
