#pragma once

#include <QString>

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

// done gets whether a log-in form took the log-in.
void FillLogInForm(WebBrowser& browser, const QString& user, const QString& password, std::function<void(bool)> done);
