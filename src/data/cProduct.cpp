#include "cProduct.h"

#include "ColumnValues.h"
#include "DateText.h"
#include "DbConnection.h"
#include "DbError.h"
#include "ProductFields.h"
#include "Trap.h"

#include <QSqlQuery>

namespace {

// Every column but the key, in the table's order, and their values from the record.
QString columnList() {
    QStringList columns;
    for (const ProductField& f : ProductFields())
        columns << f.column;
    return columns.join(QLatin1String(", "));
}

QVariantList columnValues(const cProduct& p) {
    QVariantList values;
    for (const ProductField& f : ProductFields()) {
        if (f.text)
            values << TextValue(p.*f.text);
        else
            values << (p.ReleaseDate.isValid() ? QVariant(DbDateText(p.ReleaseDate)) : QVariant());
    }
    return values;
}

} // namespace

std::optional<cProduct> cProduct::Read(qint32 productID) {
    DbConnection db;
    QSqlQuery q =
        db.query(QStringLiteral("SELECT ") + columnList() + QStringLiteral(" FROM tab_products WHERE productID = ?"),
                 {productID});
    if (!q.next())
        return std::nullopt;
    cProduct product;
    product.ProductID = productID;
    int column = 0;
    for (const ProductField& f : ProductFields()) {
        const QVariant value = q.value(column++);
        if (f.text)
            product.*f.text = TextColumn(value);
        else
            product.ReleaseDate = DbReadDateTime(value).date();
    }
    return product;
}

bool cProduct::Load() {
    return Trap(QStringLiteral("Error in Load: "), [&] {
        if (const auto product = Read(ProductID))
            *this = *product;
    });
}

bool cProduct::Save() {
    return Trap(QStringLiteral("Error in Save: "), [&] {
        DbConnection db;
        QStringList marks;
        for (qsizetype i = 0; i < ProductFields().size(); ++i)
            marks << QStringLiteral("?");
        const qint64 key =
            db.insert(QStringLiteral("INSERT INTO tab_products (") + columnList() + QStringLiteral(") VALUES (") +
                          marks.join(QLatin1String(", ")) + QStringLiteral(")"),
                      columnValues(*this));
        ProductID = qint32(key);
    });
}

bool cProduct::Update() {
    return Trap(QStringLiteral("Error in Update: "), [&] {
        QStringList assignments;
        for (const ProductField& f : ProductFields())
            assignments << f.column + QStringLiteral(" = ?");
        DbConnection db;
        RequireRowChanged(db.execute(QStringLiteral("UPDATE tab_products SET ") +
                                         assignments.join(QLatin1String(", ")) + QStringLiteral(" WHERE productID = ?"),
                                     columnValues(*this) << ProductID),
                          QStringLiteral("product"));
    });
}
