#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

#include <chrono>
#include <memory>

class QTcpSocket;

// An HTTP server inside the test process, listening on 127.0.0.1 only (port chosen by the system). It answers each
// path with what was set for it in raw HTTP/1.1 and closes the connection; an unknown path gets 404. The HTTPS kind
// presents a self-signed certificate (tests/support/tls) that no browser trusts.
class LoopbackHttpServer final : public QObject {
public:
    enum class Kind { Http, SelfSignedHttps };
    explicit LoopbackHttpServer(Kind kind = Kind::Http);

    // A loopback port that nothing listens on.
    static quint16 closedPort();
    // The host may be another loopback name, such as localhost, to stand for another site.
    QUrl url(const QString& path, const QString& host = QStringLiteral("127.0.0.1")) const;
    void ok(const QString& path, const QByteArray& body, const QByteArray& contentType = "text/xml");
    void redirect(const QString& path, const QString& location, int status = 302);
    void respond(const QString& path, const QByteArray& rawResponse);
    // Reads the request and never answers.
    void hang(const QString& path);
    // Answers HEAD with 405 and GET with 200 and the body, as servers that refuse HEAD do.
    void refuseHead(const QString& path, const QByteArray& body);
    // Every answer goes out this long after its request.
    void setDelay(std::chrono::milliseconds delay) { m_delay = delay; }
    // Sends a 200 answer without a length, then `size` bytes of body.
    void stream(const QString& path, qint64 size);
    // The paths asked for, in order.
    QStringList requests() const { return m_requests; }
    // Their heads (request line and header lines), in order.
    QByteArrayList requestHeads() const { return m_heads; }

private:
    void serve(QTcpSocket* socket);

    Kind m_kind;
    std::unique_ptr<QTcpServer> m_server;
    // A null answer means hang; a path missing from the table gets 404.
    QHash<QString, QByteArray> m_answers;
    QStringList m_requests;
    QByteArrayList m_heads;
    QSet<QString> m_headRefused;
    std::chrono::milliseconds m_delay{0};
};
