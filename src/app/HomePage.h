#pragma once

#include <QString>

// The home page's HTML: title, version, the caller's message (shown as text, never as markup), the archive's
// totals and, per product, the sites it was submitted to, published on, still remains for and carries the
// old-version flag on. Throws when the archive cannot be opened; a read that fails after that is reported in one
// "Error in HomePageHtml: " box, and the page shows the figures read before it and says what could not be read.
QString HomePageHtml(const QString& message);

// Writes the page for the message to path whole or not at all: UTF-8 with a byte order mark, so the browser shows
// non-ASCII product names right, ending in CRLF. Throws Failure, leaving a file there as it was.
void WriteHomePage(const QString& path, const QString& message);
