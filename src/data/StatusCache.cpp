#include "StatusCache.h"

#include "DbConnection.h"

void StatusCache::SetProductStatus(qint32 productID) {
    DbConnection db;
    // No ORDER BY: the product's index covers the query (the row's key included), and sorting its rows by key
    // would make a rebuild grow faster than the list. The first row is found by its key instead.
    QSqlQuery q = db.query(QStringLiteral("SELECT IDproductStatus, siteID, submitStatus, oldVersion "
                                          "FROM tab_productStatus WHERE productID = ?"),
                           {productID});
    while (q.next()) {
        const qint64 row = q.value(0).toLongLong();
        Entry& entry = m_entries[pairKey(q.value(1).toInt(), productID)];
        if (entry.row == 0 || row < entry.row)
            entry = Entry{qint16(q.value(2).toInt()), qint16(q.value(3).toInt() == 1 ? 1 : 0), row};
    }
}

qint16 StatusCache::GetProductStatus(qint32 siteID, qint32 productID) const {
    return m_entries.value(pairKey(siteID, productID)).status;
}

qint16 StatusCache::GetProductVersionPublished(qint32 siteID, qint32 productID) const {
    return m_entries.value(pairKey(siteID, productID)).oldVersion;
}
