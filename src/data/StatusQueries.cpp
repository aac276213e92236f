#include "StatusQueries.h"

#include "DateText.h"
#include "DbConnection.h"
#include "DbError.h"

namespace {

// The first column of the row with that key; RecordGone names the record when there is none. A null column reads
// as the empty text, which the log's NOT NULL columns accept.
QString columnOf(const DbConnection& db, const QString& sql, qint32 id, const QString& record) {
    QSqlQuery q = db.query(sql, {id});
    if (!q.next())
        throw RecordGone(record);
    const QString text = q.value(0).toString();
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

QString RecordStatusChange(qint32 siteID, qint32 productID, qint16 status) {
    DbConnection db;
    QString address;
    db.transaction([&] {
        address = columnOf(db, QStringLiteral("SELECT submitUrl FROM tab_sites WHERE siteID = ?"), siteID,
                           QStringLiteral("site"));
        const QString version = columnOf(db, QStringLiteral("SELECT version FROM tab_products WHERE productID = ?"),
                                         productID, QStringLiteral("product"));
        const QString now = DbNow();
        const int updated =
            db.execute(QStringLiteral("UPDATE tab_productStatus SET submitStatus = ?, oldVersion = 0, updateDate = ? "
                                      "WHERE siteID = ? AND productID = ?"),
                       {status, now, siteID, productID});
        if (updated == 0)
            db.execute(QStringLiteral("INSERT INTO tab_productStatus "
                                      "(siteID, productID, submitStatus, oldVersion, insertDate, updateDate) "
                                      "VALUES (?, ?, ?, 0, ?, ?)"),
                       {siteID, productID, status, now, now});
        db.execute(QStringLiteral("INSERT INTO tab_productHistory (siteID, productID, submitStatus, version, opDate) "
                                  "VALUES (?, ?, ?, ?, ?)"),
                   {siteID, productID, status, version, now});
    });
    return address;
}

int WriteOldVersionFlag(const QList<qint64>& siteIDs, qint32 productID, bool isOld) {
    if (siteIDs.isEmpty())
        return 0;
    DbConnection db;
    // One statement: SQLite undoes all of it when any row fails.
    return db.execute(QStringLiteral("UPDATE tab_productStatus SET oldVersion = ? WHERE siteID IN (") +
                          SqlIdList(siteIDs) + QStringLiteral(") AND productID = ?"),
                      {isOld ? 1 : 0, productID});
}
