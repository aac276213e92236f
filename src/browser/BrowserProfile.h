#pragma once

#include <QSet>
#include <QString>
#include <QWebEngineProfile>

// The program's one browser profile: cookies, site storage and the disk cache live in a folder of the program's
// data place, so that a site's log-in outlives the program as it does in an ordinary browser. The folder also holds
// the zoom chosen per host. The hosts whose faulty certificate the user let through are kept for this run only.
class BrowserProfile final : public QWebEngineProfile {
    Q_OBJECT

public:
    // Makes the folder owner-only when it is missing (an existing one keeps its permissions); throws Failure when
    // it cannot be made. Site storage forgotten in the last run is removed before the engine opens it.
    explicit BrowserProfile(const QString& folder, QObject* parent = nullptr);

    // Cookies go at once; site storage and the cache, which the engine keeps open while it runs, at the next start.
    void ForgetLogIns();

    // 1 for a host with no zoom of its own.
    double ZoomFor(const QString& host) const;
    void SetZoomFor(const QString& host, double factor);

    bool CertificateAllowed(const QString& host) const { return m_certificateHosts.contains(host); }
    void AllowCertificate(const QString& host) { m_certificateHosts.insert(host); }

private:
    QString m_folder;
    QSet<QString> m_certificateHosts;
};
