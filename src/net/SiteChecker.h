#pragma once

#include "SiteChecks.h"

#include <QHash>
#include <QNetworkAccessManager>
#include <QObject>
#include <QSet>
#include <QUrl>

#include <chrono>
#include <deque>

class QNetworkReply;
class QTimer;

// Checks sites' submit addresses without blocking: HEAD, and GET where the server refuses HEAD (405, 501);
// redirects followed by hand, at most 5, so the first answer tells a permanent move from a temporary one; a time
// limit per site over all its requests; at most kParallel sites at once and one at a time per host and port.
class SiteChecker final : public QObject {
    Q_OBJECT
public:
    static constexpr int kParallel = 8;
    static constexpr int kMaxRedirects = 5;

    explicit SiteChecker(const QString& userAgent, QObject* parent = nullptr);
    ~SiteChecker() override;

    // The time limit per site; tests shorten it.
    void SetTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    // Starts checking the sites (a run still going is cancelled first). Results come from the event loop.
    void Start(const QList<SiteToCheck>& sites);
    // Stops at once: the requests under way are dropped without a result, Finished follows.
    void Cancel();
    bool Running() const { return m_running; }
    int Total() const { return m_total; }
    int Done() const { return m_done; }

signals:
    void Checked(const SiteCheck& check);
    void Finished();

private:
    struct Job {
        SiteToCheck site;
        QUrl url;
        QString hostKey;
        int redirects = 0;
        int firstStatus = 0;
        QString firstReason;
        bool usedGet = false;
        bool timedOut = false;
        QNetworkReply* reply = nullptr;
        QTimer* deadline = nullptr;
    };

    void launchMore();
    void launch(Job* job);
    void send(Job* job);
    void answered(Job* job, QNetworkReply* reply);
    void complete(Job* job, SiteCheck check);
    void endRunWhenDone();
    // Drops every request and site still waiting, without results.
    void drop();

    QNetworkAccessManager m_network;
    QString m_userAgent;
    std::chrono::milliseconds m_timeout{15000};
    std::deque<Job*> m_pending;
    QSet<QString> m_busyHosts;
    QList<Job*> m_active;
    bool m_running = false;
    int m_total = 0;
    int m_done = 0;
};
