#include "ArchiveTotals.h"

#include "DateText.h"
#include "DbConnection.h"

namespace {

QVariant scalar(const QString& sql, const QVariantList& values = {}) {
    DbConnection db;
    QSqlQuery q = db.query(sql, values);
    return q.next() ? q.value(0) : QVariant();
}

} // namespace

qint32 CountSites() {
    return scalar(QStringLiteral("SELECT COUNT(siteID) FROM tab_sites")).toInt();
}

qint32 CountProducts() {
    return scalar(QStringLiteral("SELECT COUNT(productID) FROM tab_products")).toInt();
}

// Joined with the products, as status rows of a deleted product are not the product's any more.
qint32 CountProductStatus(qint32 productID, qint16 status) {
    return scalar(QStringLiteral("SELECT COUNT(*) FROM tab_products INNER JOIN tab_productStatus "
                                 "ON tab_products.productID = tab_productStatus.productID "
                                 "WHERE tab_productStatus.submitStatus = ? AND tab_products.productID = ?"),
                  {status, productID})
        .toInt();
}

qint32 CountProductOldVersion(qint32 productID) {
    return scalar(QStringLiteral("SELECT COUNT(*) FROM tab_products INNER JOIN tab_productStatus "
                                 "ON tab_products.productID = tab_productStatus.productID "
                                 "WHERE tab_productStatus.oldVersion = 1 AND tab_products.productID = ?"),
                  {productID})
        .toInt();
}

QDateTime LastOperationDate() {
    return DbReadDateTime(scalar(QStringLiteral("SELECT MAX(updateDate) FROM tab_productStatus")));
}
