#pragma once

#include <QVariantList>

#include <functional>
#include <optional>

class WebBrowser;

// Reads the form the author worked on in the shown page (the one Fill all filled, else the one holding the focus),
// for learning what its fields take: one map per typed field with key (its name, else id), value, text (a select's
// shown option), select and filled (by Fill all). Passwords, hidden fields and log-in forms are never read. done
// gets the fields, or nothing when the page ran no script; it never comes once the browser is gone.
void ReadWorkedForm(WebBrowser& browser, std::function<void(std::optional<QVariantList>)> done);
