#pragma once

#include <QString>

// The home page's HTML: title, version, the caller's message (shown as text, never as markup), the archive's
// totals and, per product, the sites it was submitted to, published on, still remains for and carries the
// old-version flag on. Throws when the archive cannot be opened; a read that fails after that is reported in one
// "Error in HomePageHtml: " box, and the page shows the figures read before it and says what could not be read.
QString HomePageHtml(const QString& message);
