#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantMap>

// What the program learned of each site's submission forms (tab_formMaps, one of ExtraTables()): which product column a
// field takes, or that it stays empty. A field is known by the path of the page's address and its name (its id when it
// has none), so a renamed field is a new one.
struct FormMapField {
    QString formPath;
    QString fieldKey;
    QString column; // a tab_products column; empty: the field is left empty
    QString learnDate = {};
};

// The site's learned fields, by form path and field key.
QList<FormMapField> ReadFormMaps(qint32 siteID);
// The learned fields of one form of the site, as Fill all takes them: field key to column ("" for left empty).
QVariantMap FormMapOf(qint32 siteID, const QString& formPath);
// Stores the fields of each site in one transaction, each replacing what was learned for the same field, stamped now.
void StoreFormMaps(const QHash<qint32, QList<FormMapField>>& fieldsBySite);
// Forgets every field learned for the site; returns how many.
int ForgetFormMaps(qint32 siteID);
