#pragma once

#include <QString>

// Opens a web address in the external browser. An address that names a scheme (https:, ftp:, mailto:, ...)
// opens as it is; any other gets "http://", and the caller's text is changed too. A host with a port
// ("localhost:8080/x") has no scheme. An empty text opens nothing.
void VisitSite(QString& address);
