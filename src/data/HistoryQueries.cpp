#include "HistoryQueries.h"

#include "DateText.h"
#include "DbConnection.h"
#include "DbError.h"

namespace {

// A null text would be bound as NULL: the log keeps the empty text instead.
QString notNull(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

std::optional<PairStatus> ReadPairStatus(qint32 siteID, qint32 productID) {
    DbConnection db;
    QSqlQuery q = db.query(
        QStringLiteral("SELECT tab_products.name, tab_products.version, tab_sites.name, "
                       "tab_productStatus.submitStatus, tab_productStatus.insertDate, tab_productStatus.updateDate "
                       "FROM tab_productStatus "
                       "INNER JOIN tab_products ON tab_products.productID = tab_productStatus.productID "
                       "INNER JOIN tab_sites ON tab_sites.siteID = tab_productStatus.siteID "
                       "WHERE tab_productStatus.siteID = ? AND tab_products.productID = ? "
                       "ORDER BY tab_productStatus.IDproductStatus"),
        {siteID, productID});
    if (!q.next())
        return std::nullopt;
    return PairStatus{q.value(0), q.value(1), q.value(2), q.value(3).toInt(), q.value(4), q.value(5)};
}

void ForEachHistoryRow(qint32 siteID, qint32 productID, const std::function<void(const HistoryRow&)>& row) {
    DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT IDproductHistory, version, submitStatus, opDate, notes "
                                          "FROM tab_productHistory WHERE siteID = ? AND productID = ? "
                                          "ORDER BY opDate DESC, IDproductHistory DESC"),
                           {siteID, productID});
    while (q.next())
        row(HistoryRow{q.value(0).toLongLong(), q.value(1), q.value(2), q.value(3), q.value(4)});
}

int DeleteHistoryRows(const QList<qint64>& ids) {
    if (ids.isEmpty())
        return 0;
    DbConnection db;
    return db.execute(QStringLiteral("DELETE FROM tab_productHistory WHERE IDproductHistory IN (") + SqlIdList(ids) +
                      QStringLiteral(") "));
}

void AppendHistoryNote(qint32 siteID, qint32 productID, const QString& notes) {
    DbConnection db;
    // One statement reads the version and writes the note only while both rows exist.
    const int added = db.execute(
        QStringLiteral("INSERT INTO tab_productHistory (siteID, productID, submitStatus, version, opDate, notes) "
                       "SELECT ?, productID, -1, IFNULL(version, ''), ?, ? FROM tab_products "
                       "WHERE productID = ? AND EXISTS (SELECT 1 FROM tab_sites WHERE siteID = ?)"),
        {siteID, DbNow(), notNull(notes), productID, siteID});
    if (added == 0) {
        QSqlQuery product = db.query(QStringLiteral("SELECT 1 FROM tab_products WHERE productID = ?"), {productID});
        throw RecordGone(product.next() ? QStringLiteral("site") : QStringLiteral("product"));
    }
}
