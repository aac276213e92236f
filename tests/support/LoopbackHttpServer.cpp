#include "LoopbackHttpServer.h"

#include <QFile>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray tlsFile(const char* name) {
    QFile file(QStringLiteral(QUILL_TEST_TLS_DIR "/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The test certificate %s cannot be read", name);
    return file.readAll();
}

std::unique_ptr<QTcpServer> serverOfKind(LoopbackHttpServer::Kind kind) {
    if (kind == LoopbackHttpServer::Kind::Http)
        return std::make_unique<QTcpServer>();
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(QSslCertificate(tlsFile("loopback-cert.pem")));
    tls.setPrivateKey(QSslKey(tlsFile("loopback-key.pem"), QSsl::Rsa));
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(tls);
    return server;
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer(Kind kind) : m_kind(kind), m_server(serverOfKind(kind)) {
    // Requests to it go straight here, whatever proxy the machine names.
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        qFatal("The loopback test server cannot listen: %s", qPrintable(m_server->errorString()));
    // An HTTPS connection is handed over once its handshake is done.
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

quint16 LoopbackHttpServer::closedPort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

QUrl LoopbackHttpServer::url(const QString& path, const QString& host) const {
    const QString scheme = m_kind == Kind::Http ? QStringLiteral("http") : QStringLiteral("https");
    return QUrl(QStringLiteral("%1://%2:%3%4").arg(scheme, host).arg(m_server->serverPort()).arg(path));
}

void LoopbackHttpServer::ok(const QString& path, const QByteArray& body, const QByteArray& contentType) {
    respond(path, "HTTP/1.1 200 OK\r\nContent-Type: " + contentType + "\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
}

void LoopbackHttpServer::redirect(const QString& path, const QString& location, int status) {
    respond(path, "HTTP/1.1 " + QByteArray::number(status) + " Moved\r\nLocation: " + location.toUtf8() +
                      "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
}

void LoopbackHttpServer::respond(const QString& path, const QByteArray& rawResponse) {
    m_answers.insert(path, rawResponse);
}

void LoopbackHttpServer::hang(const QString& path) {
    m_answers.insert(path, QByteArray());
}

void LoopbackHttpServer::refuseHead(const QString& path, const QByteArray& body) {
    ok(path, body, "text/html");
    m_headRefused.insert(path);
}

void LoopbackHttpServer::stream(const QString& path, qint64 size) {
    respond(path, "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nConnection: close\r\n\r\n" + QByteArray(size, 'x'));
}

void LoopbackHttpServer::serve(QTcpSocket* socket) {
    // The request is taken once its head is complete; the head stays on the socket until then.
    const QByteArray head = socket->peek(64 * 1024);
    if (!head.contains("\r\n\r\n") || socket->property("served").toBool())
        return;
    socket->readAll();
    socket->setProperty("served", true);
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QString path = QString::fromUtf8(requestLine.value(1));
    m_requests << path;
    m_heads << head.left(head.indexOf("\r\n\r\n"));
    const auto answer = m_answers.constFind(path);
    QByteArray response;
    if (answer == m_answers.constEnd())
        response = "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nNot found";
    else if (answer->isNull())
        return;
    else if (requestLine.value(0) == "HEAD" && m_headRefused.contains(path))
        response = "HTTP/1.1 405 Method Not Allowed\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    else
        response = *answer;
    const auto send = [socket, response] {
        socket->write(response);
        socket->disconnectFromHost();
    };
    if (m_delay.count() > 0)
        QTimer::singleShot(m_delay, socket, send);
    else
        send();
}
