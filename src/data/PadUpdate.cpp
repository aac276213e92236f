#include "PadUpdate.h"

#include "DateText.h"
#include "DbConnection.h"
#include "DbError.h"

#include <QCoreApplication>

QString PadFieldChange::Text() const {
    return QCoreApplication::translate("PadUpdate", "%1: %2 → %3").arg(field->caption, stored, inFile);
}

QList<PadFieldChange> PadChanges(const cProduct& product, const PadProduct& pad) {
    QList<PadFieldChange> changes;
    for (const ProductField& f : ProductFields()) {
        QString stored, inFile;
        if (f.kind == ProductField::Kind::Date) {
            if (!pad.ReleaseDate)
                continue;
            stored = product.ReleaseDate.toString(Qt::ISODate);
            inFile = pad.ReleaseDate->toString(Qt::ISODate);
        } else {
            if (!f.pad || !(pad.*f.pad))
                continue;
            stored = product.*f.text;
            inFile = *(pad.*f.pad);
        }
        if (stored != inFile)
            changes.append({&f, stored, inFile});
    }
    return changes;
}

void StorePadChanges(qint32 productID, const QList<PadFieldChange>& changes) {
    if (changes.isEmpty())
        return;
    QStringList assignments;
    QVariantList values;
    for (const PadFieldChange& change : changes) {
        // The column comes from the field table only, never from the file.
        assignments << change.field->column + QStringLiteral(" = ?");
        values << (change.field->kind == ProductField::Kind::Date
                       ? DbDateText(QDate::fromString(change.inFile, Qt::ISODate))
                       : change.inFile);
    }
    DbConnection db;
    db.transaction([&] {
        RequireRowChanged(db.execute(QStringLiteral("UPDATE tab_products SET ") +
                                         assignments.join(QLatin1String(", ")) + QStringLiteral(" WHERE productID = ?"),
                                     values << productID),
                          QStringLiteral("product"));
    });
}
