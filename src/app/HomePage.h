#pragma once

#include <QString>

// The home page's HTML: title, version, the caller's message (shown as text, never as markup), the archive's
// totals and, per product, the sites it was submitted to, published on, still remains for and carries the
// old-version flag on. Database failures of the per-product counts are reported and count -1.
QString HomePageHtml(const QString& message);

// A count as a whole percentage of the sites, halves away from zero; 0 when there are no sites.
qint64 PercentOfSites(qint32 count, qint32 totalSites);
