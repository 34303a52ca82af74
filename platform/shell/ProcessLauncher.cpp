#include "platform/shell/ProcessLauncher.h"

#include <QProcess>

namespace platform {
namespace {

ProcessLauncher::Launcher& replacement()
{
    static ProcessLauncher::Launcher launcher;
    return launcher;
}

}  // namespace

bool ProcessLauncher::startDetached(const QString& program, const QStringList& arguments)
{
    if (replacement()) return replacement()(program, arguments);
    return QProcess::startDetached(program, arguments);
}

void ProcessLauncher::setLauncher(Launcher launcher)
{
    replacement() = std::move(launcher);
}

}  // namespace platform
