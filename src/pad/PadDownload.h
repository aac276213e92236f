#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <chrono>

class QNetworkReply;

// Reads one PAD file from an http or https address without blocking: follows at most 5 redirects (never from https
// to http), gives up after a timeout (20 seconds unless set), and refuses an answer larger than kPadMaxBytes, by its
// declared length or as soon as more arrived.
class PadDownload final : public QObject {
    Q_OBJECT
public:
    struct Result {
        QByteArray bytes;
        QString error; // one sentence; empty when the bytes arrived
        bool cancelled = false;
    };

    explicit PadDownload(QObject* parent = nullptr);
    ~PadDownload() override;

    // The whole download's time limit; tests shorten it.
    void SetTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    // Starts reading url; a download still running is dropped first, without a report. Finished always comes
    // from the event loop, never from within Start.
    void Start(const QUrl& url);
    // Stops the running download: Finished reports it as cancelled. Nothing happens when none runs.
    void Cancel();
    bool Running() const { return m_running; }
    // The outcome of the last download, valid once Finished was emitted.
    const Result& LastResult() const { return m_result; }

signals:
    void Finished();

private:
    void checkDeclaredSize();
    void readArrived();
    void replyFinished();
    void stop(const QString& reason, bool cancelled);
    void finish(Result result);
    // Ends the running download without a report.
    void drop();

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    std::chrono::milliseconds m_timeout{20000};
    QUrl m_url;
    QByteArray m_received;
    // Set when this side ends the download, so that the reply's own report does not replace the reason.
    QString m_stopReason;
    bool m_stopCancelled = false;
    bool m_running = false;
    // Counts the downloads started, so that a report meant for an earlier one is never taken for the current one.
    quint64 m_generation = 0;
    Result m_result;
};
