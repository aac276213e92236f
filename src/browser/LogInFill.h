#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class WebBrowser;

// Fills a site's stored log-in into the shown page's log-in form (see LoginFill.js for which form and which boxes).
// The page is first asked only where its log-in form is; the log-in itself goes to the page only once the caller
// has found the form's host to be the site's own.
struct LogInForm {
    bool found = false;
    // The host of the document holding the form (a frame counts by its own).
    QString host;
    // No visible text field outside the form asks for anything but a search.
    bool onlyForm = false;
};

// done gets nothing when the page ran no script.
void LocateLogInForm(WebBrowser& browser, std::function<void(const std::optional<LogInForm>&)> done);

// The hosts of a site's addresses (a stored address may lack its scheme); an address without a host gives none.
QStringList SiteHosts(const QStringList& siteAddresses);

// A page on pageHost may have a site's log-in when it is on one of the site's hosts or a subdomain of one. A page
// without a host (a local file) may have none.
bool HostMayHaveLogIn(const QString& pageHost, const QStringList& siteHosts);

// done gets whether a log-in form took the log-in.
void FillLogInForm(WebBrowser& browser, const QString& user, const QString& password, std::function<void(bool)> done);
