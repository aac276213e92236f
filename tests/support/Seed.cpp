#include "Seed.h"

#include "DbConnection.h"

#include <QStringList>

namespace {

qint32 insertRow(const QString& table, QVariantMap columns) {
    QStringList names;
    QStringList marks;
    QVariantList values;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        names << it.key();
        marks << QStringLiteral("?");
        values << it.value();
    }
    DbConnection db;
    return qint32(db.insert(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                            values));
}

} // namespace

qint32 SeedSite(const QString& submitUrl, const QVariantMap& columns) {
    QVariantMap all = columns;
    all.insert(QStringLiteral("submitUrl"), submitUrl);
    return insertRow(QStringLiteral("tab_sites"), all);
}

qint32 SeedProduct(const QString& name, const QVariantMap& columns) {
    QVariantMap all = columns;
    all.insert(QStringLiteral("name"), name);
    return insertRow(QStringLiteral("tab_products"), all);
}

void SeedStatus(qint32 siteID, qint32 productID, int status, bool oldVersion, const QString& updateDate) {
    insertRow(QStringLiteral("tab_productStatus"), {{QStringLiteral("siteID"), siteID},
                                                    {QStringLiteral("productID"), productID},
                                                    {QStringLiteral("submitStatus"), status},
                                                    {QStringLiteral("oldVersion"), oldVersion ? 1 : 0},
                                                    {QStringLiteral("insertDate"), updateDate},
                                                    {QStringLiteral("updateDate"), updateDate}});
}
