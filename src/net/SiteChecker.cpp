#include "SiteChecker.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

bool isWebAddress(const QUrl& url) {
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           !url.host().isEmpty();
}

bool isRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

QString unreachableReason(QNetworkReply::NetworkError error, const QString& text) {
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        return QCoreApplication::translate("SiteChecker", "The server's name was not found.");
    case QNetworkReply::ConnectionRefusedError:
        return QCoreApplication::translate("SiteChecker", "The server refused the connection.");
    case QNetworkReply::RemoteHostClosedError:
        return QCoreApplication::translate("SiteChecker", "The server closed the connection without answering.");
    case QNetworkReply::SslHandshakeFailedError:
        return QCoreApplication::translate("SiteChecker", "The secure connection failed (TLS): %1").arg(text);
    default:
        return text;
    }
}

} // namespace

SiteChecker::SiteChecker(const QString& userAgent, QObject* parent) : QObject(parent), m_userAgent(userAgent) {}

SiteChecker::~SiteChecker() {
    drop();
}

void SiteChecker::Start(const QList<SiteToCheck>& sites) {
    Cancel();
    for (const SiteToCheck& site : sites) {
        Job* job = new Job;
        job->site = site;
        job->url = QUrl::fromUserInput(site.submitUrl.trimmed());
        job->hostKey = job->url.host().toLower() + QLatin1Char(':') +
                       QString::number(job->url.port(job->url.scheme() == QLatin1String("https") ? 443 : 80));
        m_pending.push_back(job);
    }
    m_total = int(sites.size());
    m_done = 0;
    m_running = true;
    QTimer::singleShot(0, this, &SiteChecker::launchMore);
}

void SiteChecker::Cancel() {
    if (!m_running)
        return;
    drop();
    emit Finished();
}

void SiteChecker::drop() {
    m_running = false;
    for (Job* job : std::as_const(m_active)) {
        if (job->reply) {
            disconnect(job->reply, nullptr, this, nullptr);
            job->reply->abort();
            job->reply->deleteLater();
        }
        job->deadline->stop();
        job->deadline->deleteLater();
        delete job;
    }
    m_active.clear();
    for (Job* job : m_pending)
        delete job;
    m_pending.clear();
    m_busyHosts.clear();
}

void SiteChecker::launchMore() {
    for (auto it = m_pending.begin(); m_running && it != m_pending.end() && m_active.size() < kParallel;) {
        Job* job = *it;
        if (!isWebAddress(job->url)) {
            m_pending.erase(it);
            SiteCheck check;
            check.siteID = job->site.siteID;
            check.reason = tr("Not a web address.");
            complete(job, check);
            it = m_pending.begin(); // whoever took the result may have cancelled or started a run
            continue;
        }
        if (m_busyHosts.contains(job->hostKey)) {
            ++it;
            continue;
        }
        it = m_pending.erase(it);
        launch(job);
    }
    endRunWhenDone();
}

void SiteChecker::launch(Job* job) {
    m_busyHosts.insert(job->hostKey);
    m_active.append(job);
    job->deadline = new QTimer(this);
    job->deadline->setSingleShot(true);
    connect(job->deadline, &QTimer::timeout, this, [job] {
        job->timedOut = true;
        if (job->reply)
            job->reply->abort();
    });
    job->deadline->start(m_timeout);
    send(job);
}

void SiteChecker::send(Job* job) {
    QNetworkRequest request(job->url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, m_userAgent);
    QNetworkReply* reply = job->usedGet ? m_network.get(request) : m_network.head(request);
    job->reply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, job, reply] { answered(job, reply); });
    // A GET is only for the answer's status: the body is not read.
    if (job->usedGet) {
        connect(reply, &QNetworkReply::metaDataChanged, this, [this, job, reply] {
            if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
                answered(job, reply);
        });
    }
}

void SiteChecker::answered(Job* job, QNetworkReply* reply) {
    disconnect(reply, nullptr, this, nullptr);
    job->reply = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString answer = QStringLiteral("%1 %2")
                               .arg(status)
                               .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                               .trimmed();
    const QByteArray location = reply->rawHeader("Location");
    const QNetworkReply::NetworkError error = reply->error();
    const QString errorText = reply->errorString();
    if (reply->isRunning())
        reply->abort();
    reply->deleteLater();

    SiteCheck check;
    check.siteID = job->site.siteID;
    if (status == 0) {
        check.reason = job->timedOut ? tr("No answer within %1 s.").arg(double(m_timeout.count()) / 1000)
                                     : unreachableReason(error, errorText);
        if (job->redirects > 0)
            check.newAddress = job->url.toString();
        complete(job, check);
        launchMore();
        return;
    }
    if ((status == 405 || status == 501) && !job->usedGet) {
        job->usedGet = true;
        send(job);
        return;
    }
    if (isRedirect(status) && !location.isEmpty()) {
        if (job->redirects == 0) {
            job->firstStatus = status;
            job->firstReason = answer;
        }
        job->url = job->url.resolved(QUrl::fromEncoded(location));
        if (++job->redirects > kMaxRedirects) {
            check.reason = tr("More than %1 redirects.").arg(kMaxRedirects);
            complete(job, check);
            launchMore();
            return;
        }
        if (isWebAddress(job->url)) {
            job->usedGet = false;
            send(job);
            return;
        }
    }
    const bool redirected = job->redirects > 0;
    check.httpStatus = status;
    check.reason = redirected ? tr("%1, then %2").arg(job->firstReason, answer) : answer;
    if (redirected)
        check.newAddress = job->url.toString();
    if (status == 404 || status == 410) {
        check.result = CheckResult::Gone;
    } else if (status >= 500) {
        check.result = CheckResult::ServerError;
    } else if (redirected) {
        // The first answer tells whether the site itself says the move is for good.
        check.result =
            job->firstStatus == 301 || job->firstStatus == 308 ? CheckResult::Moved : CheckResult::Redirected;
        check.httpStatus = job->firstStatus;
    } else {
        // Any other answer (a refusal to robots, a log-in) means the page is there.
        check.result = CheckResult::Ok;
    }
    complete(job, check);
    launchMore();
}

void SiteChecker::complete(Job* job, SiteCheck check) {
    if (job->deadline) {
        m_busyHosts.remove(job->hostKey);
        m_active.removeOne(job);
        // The time limit may be what ended the site: its timer goes once its signal is done.
        job->deadline->stop();
        job->deadline->deleteLater();
    }
    delete job;
    ++m_done;
    emit Checked(check);
}

void SiteChecker::endRunWhenDone() {
    if (m_running && m_pending.empty() && m_active.isEmpty()) {
        m_running = false;
        emit Finished();
    }
}
