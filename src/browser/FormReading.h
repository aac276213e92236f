#pragma once

#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>

class WebBrowser;

// The form the author worked on, read for learning what its fields take.
struct WorkedForm {
    QString path; // the path of the page's address where the form was
    // One map per typed field: key (its name, else id), value, text (a select's shown option), select and filled
    // (by Fill all).
    QVariantList fields;
};

// Reads the form Fill all filled in the shown page, else the one holding the focus, else the filled form the author
// sent from this site in this tab (kept by WatchWorkedForm; the shown page is then the site's answer). Passwords,
// hidden fields and log-in forms are never read. done gets the form, or nothing when the page ran no script; it
// never comes once the browser is gone.
void ReadWorkedForm(WebBrowser& browser, std::function<void(std::optional<WorkedForm>)> done);

// Has the shown page keep the reading of a form Fill all filled when the author sends it, for ReadWorkedForm on the
// page that answers.
void WatchWorkedForm(WebBrowser& browser);
