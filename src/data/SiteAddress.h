#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// One form of a site's address for comparing two addresses: without scheme, "www.", default port, trailing slash
// and a last "index.php" or "index.html", with the host in small letters ("http://WWW.X.example:80/a/index.php" and
// "https://x.example/a/" are both "x.example/a"). The path, query and fragment keep their letters.
QString NormalizedSiteAddress(const QString& address);

// Whether a text is an address of a web page: http or https, or a host name with a dot and no scheme
// ("example.com/submit"). A name, a score, a relative link, "mailto:" or "place:" is not.
bool IsWebAddress(const QString& text);

// The normalised submit addresses of every site in the archive.
QSet<QString> NormalizedSiteAddresses();

// The hosts of a site's addresses (a stored address may lack its scheme); an address without a host gives none.
QStringList SiteHosts(const QStringList& siteAddresses);

// Whether a page on pageHost is on one of hosts or a subdomain of one. A page without a host (a local file) is on
// none.
bool HostIsWithin(const QString& pageHost, const QStringList& hosts);
