#include "LoopbackHttpServer.h"

#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QTcpSocket>
#include <QTimer>

LoopbackHttpServer::LoopbackHttpServer() {
    // Requests to it go straight here, whatever proxy the machine names.
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        qFatal("The loopback test server cannot listen: %s", qPrintable(m_server.errorString()));
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

QUrl LoopbackHttpServer::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
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
