#include "PadDownload.h"

#include "PadFile.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// Translated when it is said, in the language the program runs in.
QString tooLarge() {
    return QCoreApplication::translate("PadDownload", "The answer is larger than 5 MB, too large for a PAD file.");
}

int statusOf(const QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

bool succeeded(const QNetworkReply* reply) {
    const int status = statusOf(reply);
    return status >= 200 && status < 300;
}

QString secondsText(std::chrono::milliseconds timeout) {
    return timeout.count() % 1000 == 0 ? QString::number(timeout.count() / 1000)
                                       : QString::number(double(timeout.count()) / 1000, 'g', 3);
}

QString failureOf(const QNetworkReply* reply, const QUrl& url) {
    switch (reply->error()) {
    case QNetworkReply::TooManyRedirectsError:
        return QCoreApplication::translate("PadDownload", "The address redirects more than 5 times.");
    case QNetworkReply::InsecureRedirectError:
        return QCoreApplication::translate("PadDownload",
                                           "The address redirects from https to plain http, which is not followed.");
    default:
        break;
    }
    if (const int status = statusOf(reply); status != 0) {
        const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
        return reason.isEmpty() ? QCoreApplication::translate("PadDownload", "The server answered HTTP %1.").arg(status)
                                : QCoreApplication::translate("PadDownload", "The server answered HTTP %1 (%2).")
                                      .arg(status)
                                      .arg(reason);
    }
    return QCoreApplication::translate("PadDownload", "No answer from %1: %2.").arg(url.host(), reply->errorString());
}

} // namespace

PadDownload::PadDownload(QObject* parent) : QObject(parent) {
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        stop(QCoreApplication::translate("PadDownload", "No answer from %1 within %2 seconds.")
                 .arg(m_url.host(), secondsText(m_timeout)),
             false);
    });
}

PadDownload::~PadDownload() {
    drop();
}

void PadDownload::drop() {
    m_deadline.stop();
    if (QNetworkReply* reply = m_reply) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_running = false;
}

void PadDownload::Start(const QUrl& url) {
    drop();
    const quint64 generation = ++m_generation;
    m_url = url;
    m_received.clear();
    m_stopReason.clear();
    m_stopCancelled = false;
    m_result = {};
    m_running = true;
    const QString scheme = url.scheme().toLower();
    if ((scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty()) {
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == m_generation && m_running)
                finish({{},
                        QCoreApplication::translate("PadDownload", "Only http and https addresses can be read."),
                        false});
        });
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("QuillomarPadSubmitter"));
    m_reply = m_network.get(request);
    // Bounded buffering, so that an endless answer is seen growing and stopped at the limit.
    m_reply->setReadBufferSize(64 * 1024);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &PadDownload::checkDeclaredSize);
    connect(m_reply, &QNetworkReply::readyRead, this, &PadDownload::readArrived);
    connect(m_reply, &QNetworkReply::finished, this, &PadDownload::replyFinished);
    m_deadline.start(m_timeout);
}

void PadDownload::Cancel() {
    stop(QCoreApplication::translate("PadDownload", "The download was cancelled."), true);
}

void PadDownload::checkDeclaredSize() {
    if (!m_reply || !succeeded(m_reply))
        return;
    bool known = false;
    const qint64 declared = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    if (known && declared > kPadMaxBytes)
        stop(tooLarge(), false);
}

void PadDownload::readArrived() {
    if (!m_reply)
        return;
    // The body of an error page is not needed: the status says what went wrong.
    if (!succeeded(m_reply)) {
        m_reply->readAll();
        return;
    }
    m_received += m_reply->readAll();
    if (m_received.size() > kPadMaxBytes)
        stop(tooLarge(), false);
}

void PadDownload::replyFinished() {
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    m_reply = nullptr;
    reply->deleteLater();
    m_deadline.stop();
    Result result;
    if (!m_stopReason.isEmpty()) {
        result.error = m_stopReason;
        result.cancelled = m_stopCancelled;
    } else if (reply->error() == QNetworkReply::NoError && succeeded(reply)) {
        m_received += reply->readAll();
        if (m_received.size() > kPadMaxBytes)
            result.error = tooLarge();
        else
            result.bytes = m_received;
    } else {
        result.error = failureOf(reply, m_url);
    }
    m_received.clear();
    finish(std::move(result));
}

void PadDownload::stop(const QString& reason, bool cancelled) {
    if (!m_running)
        return;
    const quint64 generation = m_generation;
    m_stopReason = reason;
    m_stopCancelled = cancelled;
    if (m_reply)
        m_reply->abort(); // reports through replyFinished
    // A download that had no reply yet, or whose reply did not report, ends here.
    if (generation == m_generation && m_running) {
        drop();
        finish({{}, reason, cancelled});
    }
}

void PadDownload::finish(Result result) {
    m_running = false;
    m_deadline.stop();
    m_result = std::move(result);
    emit Finished();
}
