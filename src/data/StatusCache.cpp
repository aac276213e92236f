#include "StatusCache.h"

#include "DbConnection.h"

void StatusCache::SetProductStatus(qint32 productID) {
    DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT siteID, productID, submitStatus, oldVersion FROM tab_productStatus "
                                          "WHERE productID = ? ORDER BY IDproductStatus"),
                           {productID});
    while (q.next()) {
        const quint64 key = pairKey(q.value(0).toInt(), q.value(1).toInt());
        if (!m_entries.contains(key))
            m_entries.insert(key, Entry{qint16(q.value(2).toInt()), qint16(q.value(3).toInt() == 1 ? 1 : 0)});
    }
}

qint16 StatusCache::GetProductStatus(qint32 siteID, qint32 productID) const {
    return m_entries.value(pairKey(siteID, productID)).status;
}

qint16 StatusCache::GetProductVersionPublished(qint32 siteID, qint32 productID) const {
    return m_entries.value(pairKey(siteID, productID)).oldVersion;
}
