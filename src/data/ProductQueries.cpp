#include "ProductQueries.h"

#include "DbConnection.h"

QList<ProductName> ReadProductNames(bool byName) {
    DbConnection db;
    QSqlQuery q = db.query(byName ? QStringLiteral("SELECT productID, name FROM tab_products ORDER BY name, productID")
                                  : QStringLiteral("SELECT productID, name FROM tab_products ORDER BY productID"));
    QList<ProductName> products;
    while (q.next())
        products << ProductName{q.value(0).toInt(), q.value(1).toString()};
    return products;
}

void DeleteProduct(qint32 productID) {
    DbConnection db;
    db.execute(QStringLiteral("DELETE FROM tab_products WHERE productID = ?"), {productID});
}
