#include "StatusCache.h"

#include "DbConnection.h"

StatusCache::Entry& StatusCache::slot(qint32 siteID, qint32 productID, qsizetype rowsRead) {
    if (m_denseProduct == 0)
        m_denseProduct = productID;
    // Bounded by the rows read, so that one huge identifier cannot claim a huge array.
    if (productID == m_denseProduct && siteID >= 0 && siteID < 4 * rowsRead + 65536) {
        if (std::size_t(siteID) >= m_dense.size())
            m_dense.resize(std::max(std::size_t(siteID) + 1, 2 * m_dense.size()));
        return m_dense[std::size_t(siteID)];
    }
    return m_sparse[pairKey(siteID, productID)];
}

StatusCache::Entry StatusCache::find(qint32 siteID, qint32 productID) const {
    if (productID == m_denseProduct && siteID >= 0 && std::size_t(siteID) < m_dense.size())
        return m_dense[std::size_t(siteID)];
    return m_sparse.value(pairKey(siteID, productID));
}

void StatusCache::SetProductStatus(qint32 productID) {
    DbConnection db;
    // No ORDER BY: the product's index covers the query (the row's key included), and sorting its rows by key
    // would make a rebuild grow faster than the list. The first row is found by its key instead.
    QSqlQuery q = db.query(QStringLiteral("SELECT IDproductStatus, siteID, submitStatus, oldVersion "
                                          "FROM tab_productStatus WHERE productID = ?"),
                           {productID});
    qsizetype rowsRead = 0;
    while (q.next()) {
        const qint64 row = q.value(0).toLongLong();
        // The driver hands integers over as 64-bit: reading them as such skips a conversion per value.
        Entry& entry = slot(qint32(q.value(1).toLongLong()), productID, ++rowsRead);
        if (entry.row == 0 || row < entry.row)
            entry = Entry{qint16(q.value(2).toLongLong()), qint16(q.value(3).toLongLong() == 1 ? 1 : 0), row};
    }
}

qint16 StatusCache::GetProductStatus(qint32 siteID, qint32 productID) const {
    return find(siteID, productID).status;
}

qint16 StatusCache::GetProductVersionPublished(qint32 siteID, qint32 productID) const {
    return find(siteID, productID).oldVersion;
}
