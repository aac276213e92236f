#pragma once

#include <QString>
#include <QtGlobal>

// The status store's look-ups and the log write as the windows call them: each reports its own failure
// ("Error in ...: ") and then gives its neutral result.

// The product's version text, "?.??" when the product has no row; the empty text after a failure.
QString GetProductVersion(qint32 productID);
// The site's submit address, "?.??" when the site has no row; the empty text after a failure.
QString GetSitePadByID(qint32 siteID);
// Appends one row to the log of a status change, stamped now.
void ProductHistorySet(qint32 siteID, qint32 productID, qint16 status, const QString& version);

// The status labels of the history window: "Not Submitted", "Submitted", "Published"; empty for any other code.
QString HistoryStatusText(qint32 status);
