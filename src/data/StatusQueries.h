#pragma once

#include <QList>
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

// Sets the product's status on the site: inserts the pair's row on its first change (both dates now), else
// updates it (updateDate now, insertDate kept). Either way the old-version flag is cleared.
void WriteProductStatus(qint32 siteID, qint32 productID, qint16 status);
// Sets or clears the old-version flag of the product on the sites that have a status row for it;
// returns how many rows changed. Sites without a row get none.
int WriteOldVersionFlag(const QList<qint64>& siteIDs, qint32 productID, bool isOld);
