#pragma once

#include <QString>
#include <QtGlobal>

// The text that stands for a product or site that has no row.
inline const QString kMissingRowText = QStringLiteral("?.??");

// A product's version text ("?.??" when the product has no row, empty when it has none stored).
QString ReadProductVersion(qint32 productID);
// A site's submit address ("?.??" when the site has no row).
QString ReadSitePadByID(qint32 siteID);
// Appends one row to the history log, stamped now; its notes stay null.
void AppendProductHistory(qint32 siteID, qint32 productID, qint16 status, const QString& version);
