#include "ArchiveTotals.h"

#include "DateText.h"

namespace {

// Archives made from this version's schema have an index led by (siteID, productID): the rows of a site are then
// found without reading the others.
const QString kSiteIndexed =
    QStringLiteral("SELECT EXISTS (SELECT 1 FROM pragma_index_list('tab_productStatus') AS l WHERE NOT l.partial "
                   "AND (SELECT name FROM pragma_index_info(l.name) WHERE seqno = 0) = 'siteID' "
                   "AND (SELECT name FROM pragma_index_info(l.name) WHERE seqno = 1) = 'productID')");

// With that index: each product's rows counted by index ranges, less the rows whose site ID falls into a gap
// between the IDs of the sites there are, less the later rows of a pair. Looking at every row on its own would
// take ten times as long on a large archive; the later rows are looked for only when the pairs are fewer than
// the rows.
const QString kCountsByRanges = QStringLiteral(
    "WITH gaps(lo, hi) AS ("
    " SELECT lo, hi FROM (SELECT IFNULL(LAG(siteID) OVER (ORDER BY siteID) + 1, -9223372036854775808) AS lo,"
    " siteID - 1 AS hi FROM tab_sites) WHERE lo <= hi"
    " UNION ALL SELECT IFNULL(MAX(siteID) + 1, -9223372036854775808), 9223372036854775807 FROM tab_sites),"
    " gone AS (SELECT st.productID, st.submitStatus, st.oldVersion"
    " FROM gaps INNER JOIN tab_productStatus st ON st.siteID BETWEEN gaps.lo AND gaps.hi"
    " UNION ALL SELECT st.productID, st.submitStatus, st.oldVersion FROM tab_productStatus st"
    " WHERE (SELECT COUNT(*) FROM (SELECT DISTINCT siteID, productID FROM tab_productStatus))"
    " < (SELECT COUNT(*) FROM tab_productStatus)"
    " AND EXISTS (SELECT 1 FROM tab_sites s WHERE s.siteID = st.siteID)"
    " AND EXISTS (SELECT 1 FROM tab_productStatus d WHERE d.siteID = st.siteID AND d.productID = st.productID"
    " AND d.IDproductStatus < st.IDproductStatus)),"
    " uncounted AS (SELECT productID, COUNT(CASE submitStatus WHEN 1 THEN 1 END) AS submitted,"
    " COUNT(CASE submitStatus WHEN 2 THEN 1 END) AS published, COUNT(CASE oldVersion WHEN 1 THEN 1 END) AS old"
    " FROM gone GROUP BY productID) "
    "SELECT p.productID, p.name,"
    " (SELECT COUNT(*) FROM tab_productStatus WHERE productID = p.productID AND submitStatus = 1)"
    " - IFNULL(u.submitted, 0),"
    " (SELECT COUNT(*) FROM tab_productStatus WHERE productID = p.productID AND submitStatus = 2)"
    " - IFNULL(u.published, 0),"
    " (SELECT COUNT(*) FROM tab_productStatus WHERE productID = p.productID AND oldVersion = 1) - IFNULL(u.old, 0) "
    "FROM tab_products p LEFT JOIN uncounted u ON u.productID = p.productID ORDER BY p.productID");

// Older archives: the pair's first row is picked (SQLite takes the other columns from the row holding the MIN),
// joined with the sites there are.
const QString kCountsByPairs = QStringLiteral(
    "WITH firsts AS (SELECT st.productID, st.submitStatus, st.oldVersion, MIN(st.IDproductStatus)"
    " FROM tab_productStatus st INNER JOIN tab_sites s ON s.siteID = st.siteID GROUP BY st.productID, st.siteID),"
    " counts AS (SELECT productID, COUNT(CASE submitStatus WHEN 1 THEN 1 END) AS submitted,"
    " COUNT(CASE submitStatus WHEN 2 THEN 1 END) AS published, COUNT(CASE oldVersion WHEN 1 THEN 1 END) AS old"
    " FROM firsts GROUP BY productID) "
    "SELECT p.productID, p.name, IFNULL(counts.submitted, 0), IFNULL(counts.published, 0), IFNULL(counts.old, 0) "
    "FROM tab_products p LEFT JOIN counts ON counts.productID = p.productID ORDER BY p.productID");

QVariant scalar(const DbConnection& db, const QString& sql) {
    QSqlQuery q = db.query(sql);
    return q.next() ? q.value(0) : QVariant();
}

} // namespace

ArchiveTotals::ArchiveTotals() {
    // A read transaction: the reads below see the archive as it was at the first of them.
    m_db.execute(QStringLiteral("BEGIN"));
}

qint32 ArchiveTotals::CountSites() const {
    return scalar(m_db, QStringLiteral("SELECT COUNT(siteID) FROM tab_sites")).toInt();
}

qint32 ArchiveTotals::CountProducts() const {
    return scalar(m_db, QStringLiteral("SELECT COUNT(productID) FROM tab_products")).toInt();
}

QDateTime ArchiveTotals::LastOperationDate() const {
    return DbReadDateTime(scalar(m_db, QStringLiteral("SELECT MAX(updateDate) FROM tab_productStatus")));
}

QList<ProductCounts> ArchiveTotals::ReadProductCounts() const {
    QSqlQuery q = m_db.query(scalar(m_db, kSiteIndexed).toBool() ? kCountsByRanges : kCountsByPairs);
    QList<ProductCounts> products;
    while (q.next())
        products << ProductCounts{q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toInt(),
                                  q.value(4).toInt()};
    return products;
}

QDateTime LastOperationDate() {
    return ArchiveTotals().LastOperationDate();
}
