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

std::optional<ProductBarValues> ReadProductBar(qint32 productID) {
    DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT name, padURL, emailAuthor, author, paymentRegNow "
                                          "FROM tab_products WHERE productID = ?"),
                           {productID});
    if (!q.next())
        return std::nullopt;
    return ProductBarValues{q.value(0), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                            q.value(4).toString()};
}

void DeleteProduct(qint32 productID) {
    DbConnection db;
    db.execute(QStringLiteral("DELETE FROM tab_products WHERE productID = ?"), {productID});
}
