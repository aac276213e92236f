#include "SiteAddress.h"

#include "DbConnection.h"

#include <QUrl>

#include <algorithm>

namespace {

// Lists write addresses without a scheme ("example.com/submit.php"); they are read as http.
QUrl parsed(const QString& address) {
    const QString trimmed = address.trimmed();
    const bool hasScheme = trimmed.contains(QLatin1String("://"));
    return QUrl(hasScheme ? trimmed : QStringLiteral("http://") + trimmed, QUrl::StrictMode);
}

// Endings of file names that lists link to relatively; none is a top-level domain people submit to.
const QSet<QString> kFileTypes = {QStringLiteral("md"),   QStringLiteral("html"), QStringLiteral("htm"),
                                  QStringLiteral("php"),  QStringLiteral("asp"),  QStringLiteral("aspx"),
                                  QStringLiteral("txt"),  QStringLiteral("pdf"),  QStringLiteral("xml"),
                                  QStringLiteral("json"), QStringLiteral("exe"),  QStringLiteral("zip")};

bool isHostLabel(QStringView label) {
    if (label.isEmpty() || label.startsWith(QLatin1Char('-')) || label.endsWith(QLatin1Char('-')))
        return false;
    for (const QChar c : label)
        if (!c.isLetterOrNumber() && c != QLatin1Char('-'))
            return false;
    return true;
}

} // namespace

QString NormalizedSiteAddress(const QString& address) {
    const QUrl url = parsed(address);
    if (!url.isValid() || url.host().isEmpty())
        return address.trimmed().toLower();
    QString host = url.host().toLower();
    if (host.startsWith(QLatin1String("www.")))
        host.remove(0, 4);
    const int port = url.port();
    const bool defaultPort = port == -1 || (port == 80 && url.scheme() == QLatin1String("http")) ||
                             (port == 443 && url.scheme() == QLatin1String("https"));
    QString path = url.path(QUrl::FullyEncoded);
    for (const QLatin1String index : {QLatin1String("/index.php"), QLatin1String("/index.html")})
        if (path.endsWith(index, Qt::CaseInsensitive))
            path.chop(index.size());
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    QString normal = host + (defaultPort ? QString() : QStringLiteral(":%1").arg(port)) + path;
    if (url.hasQuery())
        normal += QLatin1Char('?') + url.query(QUrl::FullyEncoded);
    if (url.hasFragment())
        normal += QLatin1Char('#') + url.fragment(QUrl::FullyEncoded);
    return normal;
}

bool IsWebAddress(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.contains(QLatin1Char(' ')) || trimmed.contains(QLatin1Char('\t')))
        return false;
    const qsizetype schemeEnd = trimmed.indexOf(QLatin1String("://"));
    if (schemeEnd >= 0) {
        const QString scheme = trimmed.left(schemeEnd).toLower();
        if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
            return false;
    } else if (trimmed.contains(QLatin1Char(':')) &&
               !trimmed.section(QLatin1Char('/'), 0, 0).contains(QLatin1Char('.'))) {
        return false; // "mailto:a@b.example", "place:sort=8"
    }
    const QUrl url = parsed(trimmed);
    if (!url.isValid() || !url.userInfo().isEmpty())
        return false;
    const QStringList labels = url.host().split(QLatin1Char('.'));
    if (labels.size() < 2)
        return false;
    for (const QString& label : labels)
        if (!isHostLabel(label))
            return false;
    // The last label is a top-level domain: letters only, so "3.5" or "v1.2" is no host; without a scheme, a file's
    // name ("README.md", "index.html") is not one either.
    const QString& top = labels.last();
    if (top.size() < 2 || (schemeEnd < 0 && kFileTypes.contains(top.toLower())))
        return false;
    return top.startsWith(QLatin1String("xn--")) ||
           std::all_of(top.begin(), top.end(), [](QChar c) { return c.isLetter(); });
}

QSet<QString> NormalizedSiteAddresses() {
    QSet<QString> addresses;
    DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT submitUrl FROM tab_sites"));
    while (q.next())
        addresses.insert(NormalizedSiteAddress(q.value(0).toString()));
    return addresses;
}

QStringList SiteHosts(const QStringList& siteAddresses) {
    QStringList hosts;
    for (const QString& address : siteAddresses) {
        const QString host = QUrl::fromUserInput(address.trimmed()).host();
        if (!host.isEmpty() && !hosts.contains(host))
            hosts << host;
    }
    return hosts;
}

bool HostIsWithin(const QString& pageHost, const QStringList& hosts) {
    if (pageHost.isEmpty())
        return false;
    const QString page = pageHost.toLower();
    for (const QString& site : hosts) {
        const QString host = site.toLower();
        if (page == host || page.endsWith(QLatin1Char('.') + host))
            return true;
    }
    return false;
}
