#pragma once

#include <QSet>
#include <QString>

// One form of a site's address for comparing two addresses: without scheme, "www.", default port, trailing slash
// and a last "index.php" or "index.html", with the host in small letters ("http://WWW.X.example:80/a/index.php" and
// "https://x.example/a/" are both "x.example/a"). The path, query and fragment keep their letters.
QString NormalizedSiteAddress(const QString& address);

// Whether a text is an address of a web page: http or https, or a host name with a dot and no scheme
// ("example.com/submit"). A name, a score, a relative link, "mailto:" or "place:" is not.
bool IsWebAddress(const QString& text);

// The normalised submit addresses of every site in the archive.
QSet<QString> NormalizedSiteAddresses();
