#include "BrowserQueries.h"

#include "DbConnection.h"
#include "Failure.h"
#include "ProductFields.h"

#include <QCoreApplication>
#include <QStringList>

std::optional<QVariant> ReadSiteHomePage(qint32 siteID) {
    DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT homePage FROM tab_sites WHERE siteID = ?"), {siteID});
    if (!q.next())
        return std::nullopt;
    return q.value(0);
}

std::optional<QVariant> ReadProductColumn(qint32 productID, const QString& column) {
    // A column name cannot be bound, so it must be one of the product's fields before it goes into the statement.
    if (!ProductFieldOfColumn(column))
        throw Failure(QCoreApplication::translate("BrowserQueries", "'%1' is not a product field").arg(column));

    DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT %1 FROM tab_products WHERE productID = ?").arg(column), {productID});
    if (!q.next())
        return std::nullopt;
    return q.value(0);
}
