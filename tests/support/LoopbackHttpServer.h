#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

#include <chrono>

class QTcpSocket;

// An HTTP server inside the test process, listening on 127.0.0.1 only (port chosen by the system). It answers each
// path with what was set for it in raw HTTP/1.1 and closes the connection; an unknown path gets 404.
class LoopbackHttpServer final : public QObject {
public:
    LoopbackHttpServer();

    QUrl url(const QString& path) const;
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

private:
    void serve(QTcpSocket* socket);

    QTcpServer m_server;
    // A null answer means hang; a path missing from the table gets 404.
    QHash<QString, QByteArray> m_answers;
    QStringList m_requests;
    QSet<QString> m_headRefused;
    std::chrono::milliseconds m_delay{0};
};
