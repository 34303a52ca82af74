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

// What the server answered, whatever the status (a redirect, an error page). When the server cut the
// connection after the status, the body is what came until then.
struct HttpResponse {
    int status = 0;
    QByteArray body;
};

// The transfer did not end with an answer: the server could not be reached or its certificate was refused
// before a status arrived, the deadline passed before the body's end, or the caller cancelled it.
struct HttpFailure {
    enum class Kind { Unreachable, TimedOut, Cancelled };
    Kind kind = Kind::Unreachable;
    QString reason;
};

using HttpAnswer = std::variant<HttpResponse, HttpFailure>;

// One GET at a time, as the program's update check needs it: https is fetched over TLS with the server's
// certificate checked against the system's certificate authorities, redirects are answered, not followed,
// and the body is cut at kSizeCap bytes. The call returns when the answer is there; the program's windows
// keep painting and taking input meanwhile, so the caller keeps its own controls quiet, and may cancel the
// transfer from them. Tests put their own getter in place.
class HttpClient {
public:
    static constexpr qsizetype kSizeCap = 64 * 1024;

    using Getter = std::function<HttpAnswer(const HttpRequest&)>;

    static HttpAnswer get(const HttpRequest& request);
    // The transfer itself, for a getter that wraps it.
    static HttpAnswer getOverNetwork(const HttpRequest& request);
    // An empty getter goes back to the network.
    static void setGetter(Getter getter);
    // Ends the transfer under way, if there is one: its answer is a failure of kind Cancelled.
    static void cancel();
};

}  // namespace platform
