#include "platform/net/NetworkModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace platform {
namespace {

struct State {
    bool tried = false;
    bool ok = false;
    QString error;
    NetworkModule::Functions functions{};
};

State& state()
{
    static State loaded;
    return loaded;
}

// Beside the program first, where it is shipped; else where this build made it (the tests run from
// folders of their own).
QString modulePath()
{
    const QString beside = QCoreApplication::applicationDirPath() + u'/' +
                           QFileInfo(QStringLiteral(KZ_NETWORK_MODULE)).fileName();
    return QFileInfo::exists(beside) ? beside : QStringLiteral(KZ_NETWORK_MODULE);
}

void loadInto(State& loaded)
{
    QLibrary library(modulePath());
    const auto entry = reinterpret_cast<NetworkModule::Entry>(library.resolve(NetworkModule::kEntry));
    if (!entry) {
        loaded.error = library.errorString();
        return;
    }
    entry(loaded.functions);
    loaded.ok = loaded.functions.get && loaded.functions.cancel;
    if (!loaded.ok) loaded.error = library.fileName();
}

}  // namespace

const NetworkModule::Functions* NetworkModule::load(QString& error)
{
    State& loaded = state();
    if (!loaded.tried) {
        loaded.tried = true;
        loadInto(loaded);
    }
    error = loaded.error;
    return loaded.ok ? &loaded.functions : nullptr;
}

const NetworkModule::Functions* NetworkModule::loaded()
{
    return state().ok ? &state().functions : nullptr;
}

}  // namespace platform
