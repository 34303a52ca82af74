#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>
#include <variant>

namespace platform {

struct HttpRequest {
    QUrl url;
    QList<QPair<QByteArray, QByteArray>> headers;
    // The whole transfer, from connecting to the body's last byte, ends by then.
    std::chrono::milliseconds deadline = std::chrono::seconds(30);
};

// What the server answered, whatever the status (a redirect, an error page). When the connection was cut or
// the deadline passed after the status had arrived, the body is what came until then.
struct HttpResponse {
    int status = 0;
    QByteArray body;
};

// No status arrived: the server could not be reached, its certificate was refused, or the deadline passed.
struct HttpFailure {
    bool timedOut = false;
    QString reason;
};

using HttpAnswer = std::variant<HttpResponse, HttpFailure>;

// One GET at a time, as the program's update check needs it: https is fetched over TLS with the server's
// certificate checked against the system's certificate authorities, redirects are answered, not followed,
// and the body is cut at kSizeCap bytes. The call returns when the answer is there; the program's windows
// keep painting and taking input meanwhile, so the caller keeps its own controls quiet. Tests put their
// own getter in place.
class HttpClient {
public:
    static constexpr qsizetype kSizeCap = 64 * 1024;

    using Getter = std::function<HttpAnswer(const HttpRequest&)>;

    static HttpAnswer get(const HttpRequest& request);
    // The transfer itself, for a getter that wraps it.
    static HttpAnswer getOverNetwork(const HttpRequest& request);
    // An empty getter goes back to the network.
    static void setGetter(Getter getter);
};

}  // namespace platform
