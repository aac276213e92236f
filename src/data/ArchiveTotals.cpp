#include "ArchiveTotals.h"

#include "DateText.h"

namespace {

// Deleting a site leaves its status rows, which must not count: each product's counts are index ranges less the
// rows of sites that are gone. Archives made from this version's schema find those rows through the site index,
// among the IDs no site holds (a few ranges between the IDs of the sites there are), without reading the others;
// older archives look at every row.
const QString kGoneBySiteIndex = QStringLiteral(
    "gaps(lo, hi) AS ("
    " SELECT lo, hi FROM (SELECT IFNULL(LAG(siteID) OVER (ORDER BY siteID) + 1, -9223372036854775808) AS lo,"
    " siteID - 1 AS hi FROM tab_sites) WHERE lo <= hi"
    " UNION ALL SELECT IFNULL(MAX(siteID) + 1, -9223372036854775808), 9223372036854775807 FROM tab_sites),"
    " gone AS (SELECT st.productID, st.submitStatus, st.oldVersion FROM gaps"
    " INNER JOIN tab_productStatus st ON st.siteID BETWEEN gaps.lo AND gaps.hi)");
const QString kGoneByScan =
    QStringLiteral("gone AS (SELECT productID, submitStatus, oldVersion FROM tab_productStatus st"
                   " WHERE NOT EXISTS (SELECT 1 FROM tab_sites s WHERE s.siteID = st.siteID))");
const QString kProductCounts = QStringLiteral(
    "WITH %1, uncounted AS (SELECT productID, COUNT(CASE submitStatus WHEN 1 THEN 1 END) AS submitted,"
    " COUNT(CASE submitStatus WHEN 2 THEN 1 END) AS published, COUNT(CASE oldVersion WHEN 1 THEN 1 END) AS old"
    " FROM gone GROUP BY productID) "
    "SELECT p.productID, p.name,"
    " (SELECT COUNT(*) FROM tab_productStatus WHERE productID = p.productID AND submitStatus = 1)"
    " - IFNULL(u.submitted, 0),"
    " (SELECT COUNT(*) FROM tab_productStatus WHERE productID = p.productID AND submitStatus = 2)"
    " - IFNULL(u.published, 0),"
    " (SELECT COUNT(*) FROM tab_productStatus WHERE productID = p.productID AND oldVersion = 1) - IFNULL(u.old, 0) "
    "FROM tab_products p LEFT JOIN uncounted u ON u.productID = p.productID ORDER BY p.productID");

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
    const bool siteIndexed = scalar(m_db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' "
                                                         "AND name = 'ix_productStatus_site'"))
                                 .toInt() > 0;
    QSqlQuery q = m_db.query(kProductCounts.arg(siteIndexed ? kGoneBySiteIndex : kGoneByScan));
    QList<ProductCounts> products;
    while (q.next())
        products << ProductCounts{q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toInt(),
                                  q.value(4).toInt()};
    return products;
}

QHash<qint32, WeeklyChanges> ArchiveTotals::ReadWeeklyChanges(const QDate& lastDay) const {
    // Week 0 is the oldest; a change on lastDay is in week 11. The dates compare as the stored ISO texts.
    const QDate firstDay = lastDay.addDays(1 - 7 * kChartWeeks);
    QSqlQuery q = m_db.query(QStringLiteral("SELECT productID, CAST((julianday(substr(opDate, 1, 10)) - julianday(?)) "
                                            "/ 7 AS INTEGER) AS week, COUNT(*) FROM tab_productHistory "
                                            "WHERE opDate >= ? AND opDate < ? AND submitStatus >= 0 "
                                            "GROUP BY productID, week"),
                             {DbDateText(firstDay), DbDateText(firstDay), DbDateText(lastDay.addDays(1))});
    QHash<qint32, WeeklyChanges> changes;
    while (q.next()) {
        const int week = q.value(1).toInt();
        if (week < 0 || week >= kChartWeeks)
            continue;
        auto it = changes.find(q.value(0).toInt());
        if (it == changes.end())
            it = changes.insert(q.value(0).toInt(), WeeklyChanges{});
        (*it)[week] += q.value(2).toInt();
    }
    return changes;
}

QDateTime LastOperationDate() {
    return ArchiveTotals().LastOperationDate();
}
