#pragma once

#include <QList>
#include <QString>

class DbConnection;

// Tables the program keeps beside the four of schema.sql. The program creates them when missing, so the build's
// empty archive and copies made before a table existed still open; older copies of the program leave them alone.
// A new table is one entry in the list.
struct ExtraTable {
    QString name;
    QString createStatement; // CREATE TABLE IF NOT EXISTS ...
    QString siteColumn;      // the column naming a site: its rows go when the site is deleted; empty for none
};

const QList<ExtraTable>& ExtraTables();

// Creates the missing ones, and the site list's index on tab_sites; throws DbError.
void EnsureExtraTables(const DbConnection& db);
void EnsureExtraTables();
// Deletes the rows of these sites from every table present that names a site. The caller holds the transaction.
void DeleteSiteRowsInExtraTables(const DbConnection& db, const QList<qint64>& siteIDs);
