#include "StatusQueries.h"

#include "DateText.h"
#include "DbConnection.h"

namespace {

QString singleText(const QString& sql, qint32 id) {
    DbConnection db;
    QSqlQuery q = db.query(sql, {id});
    return q.next() ? q.value(0).toString() : kMissingRowText;
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
               {siteID, productID, status, version, DbNow()});
}
