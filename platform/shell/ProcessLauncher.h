#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// Starts other programs without waiting for them. Tests put their own launcher in place, so that nothing is
// started while they run.
class ProcessLauncher {
public:
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;

    // Starts `program` with `arguments` as they stand (no shell); false when it could not be started.
    static bool startDetached(const QString& program, const QStringList& arguments);
    // An empty launcher goes back to starting processes for real.
    static void setLauncher(Launcher launcher);
};

}  // namespace platform
