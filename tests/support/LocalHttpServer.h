#pragma once

#include <QSslKey>
#include <QSslServer>
#include <QTcpSocket>
#include <memory>

// A web server on 127.0.0.1 for one test, plain or TLS with the certificate in tests/data/net (which only a
// test trusts). It answers every request with the same bytes and closes the connection, or keeps it open
// and sends no more; with no bytes it never answers. It keeps each request's head.
class LocalHttpServer {
public:
    enum class AfterAnswer { Close, StayOpen };

    explicit LocalHttpServer(QByteArray answer, bool tls = false, AfterAnswer after = AfterAnswer::Close)
        : m_answer(std::move(answer))
    {
        if (tls) {
            auto* server = new QSslServer;
            QSslConfiguration configuration;
            configuration.setLocalCertificate(certificate());
            QFile key(QStringLiteral(KZ_TEST_DATA "/net/localhost.key"));
            key.open(QIODevice::ReadOnly);
            configuration.setPrivateKey(QSslKey(&key, QSsl::Ec));
            server->setSslConfiguration(configuration);
            m_server.reset(server);
        }
        m_server->listen(QHostAddress::LocalHost);
        m_address =
            QStringLiteral("%1://127.0.0.1:%2").arg(tls ? "https" : "http").arg(m_server->serverPort());
        QObject::connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, [this, after] {
            while (QTcpSocket* socket = m_server->nextPendingConnection()) {
                QObject::connect(socket, &QIODevice::readyRead, [this, socket, after] {
                    if (!socket->peek(1 << 16).contains("\r\n\r\n")) return;
                    requests.append(socket->readAll());
                    if (m_answer.isEmpty()) return;
                    socket->write(m_answer);
                    if (after == AfterAnswer::Close) socket->disconnectFromHost();
                });
            }
        });
    }

    static QSslCertificate certificate()
    {
        return QSslCertificate::fromPath(QStringLiteral(KZ_TEST_DATA "/net/localhost.crt")).value(0);
    }
    const QString& address() const { return m_address; }

    QList<QByteArray> requests;

private:
    QByteArray m_answer;
    std::unique_ptr<QTcpServer> m_server = std::make_unique<QTcpServer>();
    QString m_address;
};
