#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Records the product's new status on the site in one transaction: the pair's status row (inserted on its first
// change with both dates now, else updated with updateDate now and insertDate kept; either way the old-version flag
// is cleared) and its log row with the product's version. Returns the site's submit address.
// Throws RecordGone when the site or the product no longer exists, DbError on any other failure; either way
// nothing is written.
QString RecordStatusChange(qint32 siteID, qint32 productID, qint16 status);
// Sets or clears the old-version flag of the product on the sites that have a status row for it, all or none;
// returns how many rows changed. Sites without a row get none.
int WriteOldVersionFlag(const QList<qint64>& siteIDs, qint32 productID, bool isOld);
