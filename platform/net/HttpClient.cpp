#include "platform/net/HttpClient.h"

#include "platform/net/NetworkModule.h"

namespace platform {
namespace {

HttpClient::Getter& replacement()
{
    static HttpClient::Getter getter;
    return getter;
}

const QString kNoNetwork = QStringLiteral("Die Netzwerkfunktionen des Programms fehlen:\n");

}  // namespace

HttpAnswer HttpClient::get(const HttpRequest& request)
{
    return replacement() ? replacement()(request) : getOverNetwork(request);
}

HttpAnswer HttpClient::getOverNetwork(const HttpRequest& request)
{
    QString error;
    const NetworkModule::Functions* network = NetworkModule::load(error);
    if (!network) return HttpFailure{HttpFailure::Kind::Unreachable, kNoNetwork + error};
    return network->get(request);
}

void HttpClient::setGetter(Getter getter)
{
    replacement() = std::move(getter);
}

void HttpClient::cancel()
{
    // No transfer ran without the module.
    if (const NetworkModule::Functions* network = NetworkModule::loaded()) network->cancel();
}

}  // namespace platform
