#include "StatusQueries.h"

#include "DateText.h"
#include "DbConnection.h"

namespace {

QString singleText(const QString& sql, qint32 id) {
    DbConnection db;
    QSqlQuery q = db.query(sql, {id});
    if (!q.next())
        return kMissingRowText;
    // A null column reads as the empty text, which the NOT NULL version column of the log accepts.
    const QString text = q.value(0).toString();
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

QString ReadProductVersion(qint32 productID) {
    return singleText(QStringLiteral("SELECT version FROM tab_products WHERE productID = ?"), productID);
}

QString ReadSitePadByID(qint32 siteID) {
    return singleText(QStringLiteral("SELECT submitUrl FROM tab_sites WHERE siteID = ?"), siteID);
}

void AppendProductHistory(qint32 siteID, qint32 productID, qint16 status, const QString& version) {
    DbConnection db;
    db.execute(QStringLiteral("INSERT INTO tab_productHistory (siteID, productID, submitStatus, version, opDate) "
                              "VALUES (?, ?, ?, ?, ?)"),
               {siteID, productID, status, version.isNull() ? QStringLiteral("") : version, DbNow()});
}

void WriteProductStatus(qint32 siteID, qint32 productID, qint16 status) {
    DbConnection db;
    bool exists = false;
    {
        QSqlQuery found =
            db.query(QStringLiteral("SELECT IDproductStatus FROM tab_productStatus WHERE siteID = ? AND productID = ?"),
                     {siteID, productID});
        exists = found.next();
    }
    const QString now = DbNow();
    if (!exists) {
        db.execute(QStringLiteral("INSERT INTO tab_productStatus "
                                  "(siteID, productID, submitStatus, oldVersion, insertDate, updateDate) "
                                  "VALUES (?, ?, ?, 0, ?, ?)"),
                   {siteID, productID, status, now, now});
    } else {
        db.execute(QStringLiteral("UPDATE tab_productStatus SET submitStatus = ?, oldVersion = 0, updateDate = ? "
                                  "WHERE siteID = ? AND productID = ?"),
                   {status, now, siteID, productID});
    }
}

int WriteOldVersionFlag(const QList<qint64>& siteIDs, qint32 productID, bool isOld) {
    if (siteIDs.isEmpty())
        return 0;
    DbConnection db;
    return db.execute(QStringLiteral("UPDATE tab_productStatus SET oldVersion = ? WHERE siteID IN (") +
                          SqlIdList(siteIDs) + QStringLiteral(") AND productID = ?"),
                      {isOld ? 1 : 0, productID});
}
