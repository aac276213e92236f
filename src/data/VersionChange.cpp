#include "VersionChange.h"

#include "DbConnection.h"
#include "DbError.h"
#include "SubmitStatus.h"

namespace {

// The status rows of the product on sites that show the old version; the product is the only bound value.
const QString kShowingOld =
    QStringLiteral(" FROM tab_productStatus WHERE productID = ? AND submitStatus IN (%1, %2) AND siteID IN "
                   "(SELECT siteID FROM tab_sites WHERE autoUpdate = 0)")
        .arg(int(SubmitStatus::Submitted))
        .arg(int(SubmitStatus::Published));

} // namespace

int CountSitesShowingOldVersion(qint32 productID) {
    DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT COUNT(DISTINCT siteID)") + kShowingOld, {productID});
    return q.next() ? q.value(0).toInt() : 0;
}

int MarkSitesShowingOldVersion(qint32 productID) {
    DbConnection db;
    int changed = 0;
    db.transaction([&] {
        changed = db.execute(QStringLiteral("UPDATE tab_productStatus SET oldVersion = 1 WHERE IDproductStatus IN "
                                            "(SELECT IDproductStatus") +
                                 kShowingOld + QStringLiteral(")"),
                             {productID});
    });
    return changed;
}

void StoreProductVersion(qint32 productID, const QString& version) {
    DbConnection db;
    RequireRowChanged(
        db.execute(QStringLiteral("UPDATE tab_products SET version = ? WHERE productID = ?"), {version, productID}),
        QStringLiteral("product"));
}
