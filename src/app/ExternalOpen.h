#pragma once

#include <QString>

// Opens a web address in the external browser. Without the exact prefix "http://" the address gets it,
// and the caller's text is changed too. An empty text opens nothing.
void VisitSite(QString& address);
