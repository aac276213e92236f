#include "ExtraTables.h"

#include "DbConnection.h"

#include <QSqlQuery>
#include <QStringList>

const QList<ExtraTable>& ExtraTables() {
    // Rows follow their site through explicit deletes, not foreign keys: those act only on connections that turn
    // them on, and a restore replaces the sites' rows before it replaces these.
    static const QList<ExtraTable> tables = {
        {QStringLiteral("tab_siteChecks"),
         QStringLiteral("CREATE TABLE IF NOT EXISTS tab_siteChecks (siteID INTEGER PRIMARY KEY, "
                        "resultCode INTEGER NOT NULL, httpStatus INTEGER, newAddress TEXT, reason TEXT, "
                        "checkDate TEXT NOT NULL)"),
         QStringLiteral("siteID")},
        // What Fill all learned of a site's forms (FormMaps); an empty productColumn leaves the field empty.
        {QStringLiteral("tab_formMaps"),
         QStringLiteral("CREATE TABLE IF NOT EXISTS tab_formMaps (siteID INTEGER NOT NULL, formPath TEXT NOT NULL, "
                        "fieldKey TEXT NOT NULL, productColumn TEXT NOT NULL, learnDate TEXT NOT NULL, "
                        "PRIMARY KEY (siteID, formPath, fieldKey))"),
         QStringLiteral("siteID")},
    };
    return tables;
}

void EnsureExtraTables(const DbConnection& db) {
    for (const ExtraTable& table : ExtraTables())
        db.execute(table.createStatement);
    // The site list reads every site in address order: this index holds all it shows, so a rebuild neither reads
    // the table nor sorts the rows. Last, so that an archive whose sites lack a column still gets the tables.
    db.execute(QStringLiteral("CREATE INDEX IF NOT EXISTS ix_sites_list ON tab_sites "
                              "(submitUrl, authReq, userID, rank, bookmark, autoUpdate)"));
}

void EnsureExtraTables() {
    const DbConnection db;
    EnsureExtraTables(db);
}

void DeleteSiteRowsInExtraTables(const DbConnection& db, const QList<qint64>& siteIDs) {
    // An archive that could not take a table (read-only at start) still deletes its sites.
    QSqlQuery q = db.query(QStringLiteral("SELECT name FROM main.sqlite_master WHERE type = 'table'"));
    QStringList present;
    while (q.next())
        present << q.value(0).toString();
    q = QSqlQuery();
    for (const ExtraTable& table : ExtraTables()) {
        if (!table.siteColumn.isEmpty() && present.contains(table.name, Qt::CaseInsensitive))
            db.execute(QStringLiteral("DELETE FROM %1 WHERE %2 IN (%3)")
                           .arg(table.name, table.siteColumn, SqlIdList(siteIDs)));
    }
}
