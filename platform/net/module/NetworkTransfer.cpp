// The network module (platform/net/NetworkModule.h): the GET of HttpClient over Qt Network.

#include "platform/net/NetworkModule.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QSslError>
#include <QStringList>
#include <QTimer>
#include <memory>

namespace platform {
namespace {

// The proxy the desktop or the environment names, as any program on this machine uses; never for the
// machine itself.
class SystemProxies : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override
    {
        const QString host = query.peerHostName();
        if (host == u"localhost" || QHostAddress(host).isLoopback()) return {QNetworkProxy::NoProxy};
        return systemProxyForQuery(query);
    }
};

QNetworkRequest networkRequest(const HttpRequest& request)
{
    QNetworkRequest result(request.url);
    result.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    result.setSslConfiguration(tls);
    for (const auto& [name, value] : request.headers) result.setRawHeader(name, value);
    return result;
}

const QString kCertificateRefused = QStringLiteral("Das Zertifikat des Servers wurde nicht anerkannt:\n");
const QString kCancelled = QStringLiteral("Die Übertragung wurde abgebrochen.");

QString timeoutReason(std::chrono::milliseconds deadline)
{
    const auto seconds = std::chrono::ceil<std::chrono::seconds>(deadline).count();
    return QStringLiteral("Der Server hat nicht innerhalb von %1 Sekunden geantwortet.").arg(seconds);
}

class Transfer;

// The transfer under way: one at a time.
Transfer*& running()
{
    static Transfer* transfer = nullptr;
    return transfer;
}

// Reads the body as it arrives, never more than the cap, and ends the transfer at the cap, the deadline or
// when cancelled. Its handlers live as long as its event loop, not as long as the reply.
class Transfer {
public:
    Transfer(QNetworkReply& reply, std::chrono::milliseconds deadline)
        : m_reply(reply), m_deadlineTime(deadline)
    {
        m_reply.setReadBufferSize(HttpClient::kSizeCap);
        QObject::connect(&m_reply, &QNetworkReply::readyRead, &m_loop, [this] { take(); });
        QObject::connect(&m_reply, &QNetworkReply::sslErrors, &m_loop,
                         [this](const QList<QSslError>& errors) {
                             for (const QSslError& error : errors)
                                 m_certificateErrors.append(error.errorString());
                         });
        QObject::connect(&m_reply, &QNetworkReply::finished, &m_loop, &QEventLoop::quit);
        m_deadline.setSingleShot(true);
        QObject::connect(&m_deadline, &QTimer::timeout, &m_loop, [this] {
            if (m_reply.isFinished()) return;
            m_timedOut = true;
            m_reply.abort();
        });
        m_deadline.start(deadline);
    }

    HttpAnswer run()
    {
        running() = this;
        if (!m_reply.isFinished()) m_loop.exec();
        running() = nullptr;
        // The loop also ends when the program is told to quit.
        if (!m_reply.isFinished()) m_reply.abort();
        take();
        using Kind = HttpFailure::Kind;
        if (m_cancelled) return HttpFailure{Kind::Cancelled, kCancelled};
        // A body that the deadline cut short is no answer, whatever came before it.
        if (m_timedOut) return HttpFailure{Kind::TimedOut, timeoutReason(m_deadlineTime)};
        const QVariant status = m_reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status.isValid()) return HttpResponse{status.toInt(), m_body};
        if (!m_certificateErrors.isEmpty())
            return HttpFailure{Kind::Unreachable, kCertificateRefused + m_certificateErrors.join(u'\n')};
        return HttpFailure{Kind::Unreachable, m_reply.errorString()};
    }

    void cancel()
    {
        m_cancelled = true;
        m_reply.abort();
    }

private:
    void take()
    {
        // An aborted transfer has nothing more to read.
        if (!m_reply.isOpen()) return;
        m_body += m_reply.read(HttpClient::kSizeCap - m_body.size());
        if (m_body.size() >= HttpClient::kSizeCap && !m_reply.isFinished()) m_reply.abort();
    }

    QNetworkReply& m_reply;
    std::chrono::milliseconds m_deadlineTime;
    QByteArray m_body;
    QStringList m_certificateErrors;
    QEventLoop m_loop;
    QTimer m_deadline;
    bool m_timedOut = false;
    bool m_cancelled = false;
};

HttpAnswer get(const HttpRequest& request)
{
    QNetworkAccessManager network;
    network.setProxyFactory(new SystemProxies);
    const std::unique_ptr<QNetworkReply> reply(network.get(networkRequest(request)));
    return Transfer(*reply, request.deadline).run();
}

void cancel()
{
    if (Transfer* transfer = running()) transfer->cancel();
}

}  // namespace
}  // namespace platform

extern "C" Q_DECL_EXPORT void kzNetworkModule(platform::NetworkModule::Functions& functions)
{
    functions.get = &platform::get;
    functions.cancel = &platform::cancel;
}
