#include "SiteCommands.h"

#include "DbConnection.h"
#include "DbError.h"
#include "ExtraTables.h"

bool ToggleBookmark(qint32 siteID) {
    DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT bookmark FROM tab_sites WHERE siteID = ?"), {siteID});
    if (!q.next())
        throw RecordGone(QStringLiteral("site"));
    const bool marked = q.value(0).toInt() == 1;
    q = QSqlQuery();
    db.execute(QStringLiteral("UPDATE tab_sites SET bookmark = ? WHERE siteID = ?"), {marked ? 0 : 1, siteID});
    return !marked;
}

void ClearAllBookmarks() {
    DbConnection db;
    db.execute(QStringLiteral("UPDATE tab_sites SET bookmark = 0"));
}

void DeleteSites(const QList<qint64>& siteIDs) {
    if (siteIDs.isEmpty())
        return;
    DbConnection db;
    db.transaction([&] {
        db.execute(QStringLiteral("DELETE FROM tab_sites WHERE siteID IN (%1)").arg(SqlIdList(siteIDs)));
        DeleteSiteRowsInExtraTables(db, siteIDs);
    });
}
