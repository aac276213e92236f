#include "FormMaps.h"

#include "ColumnValues.h"
#include "DateText.h"
#include "DbConnection.h"

QList<FormMapField> ReadFormMaps(qint32 siteID) {
    const DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT formPath, fieldKey, productColumn, learnDate FROM tab_formMaps "
                                          "WHERE siteID = ? ORDER BY formPath, fieldKey"),
                           {siteID});
    QList<FormMapField> fields;
    while (q.next())
        fields.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
    return fields;
}

QVariantMap FormMapOf(qint32 siteID, const QString& formPath) {
    const DbConnection db;
    QSqlQuery q =
        db.query(QStringLiteral("SELECT fieldKey, productColumn FROM tab_formMaps WHERE siteID = ? AND formPath = ?"),
                 {siteID, formPath});
    QVariantMap map;
    while (q.next())
        map.insert(q.value(0).toString(), q.value(1).toString());
    return map;
}

void StoreFormMaps(const QHash<qint32, QList<FormMapField>>& fieldsBySite) {
    const DbConnection db;
    const QString now = DbNow();
    db.transaction([&] {
        QSqlQuery store = db.prepare(QStringLiteral("INSERT OR REPLACE INTO tab_formMaps "
                                                    "(siteID, formPath, fieldKey, productColumn, learnDate) "
                                                    "VALUES (?, ?, ?, ?, ?)"));
        for (auto site = fieldsBySite.begin(); site != fieldsBySite.end(); ++site) {
            for (const FormMapField& field : site.value())
                ExecPrepared(store, {site.key(), TextValue(field.formPath), TextValue(field.fieldKey),
                                     TextValue(field.column), now});
        }
    });
}

int ForgetFormMaps(qint32 siteID) {
    const DbConnection db;
    return db.execute(QStringLiteral("DELETE FROM tab_formMaps WHERE siteID = ?"), {siteID});
}
