#include "SiteQueries.h"

#include "DbConnection.h"

void ForEachSite(const QString& search, qint16 sitesOrder, const std::function<void(const SiteListRow&)>& row) {
    // The log-in state is worked out here: reading every user name only to test it for emptiness cost a string a row.
    QString sql =
        QStringLiteral("SELECT siteID, submitUrl, CASE WHEN authReq = 1 AND userID IS NOT NULL "
                       "THEN CASE WHEN length(userID) = 0 THEN 1 ELSE 2 END ELSE 0 END, rank, bookmark, autoUpdate "
                       "FROM tab_sites WHERE 1 = 1");
    QVariantList values;
    // Blanks around the text count only for deciding whether to search: they stand in the pattern.
    if (!search.trimmed().isEmpty()) {
        // The typed text matches literally: its own %, _ and \ are escaped.
        sql += QStringLiteral(" AND submitUrl LIKE '%' || ? || '%' ESCAPE '\\'");
        QString literal = search;
        literal.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('%'), QLatin1String("\\%"))
            .replace(QLatin1Char('_'), QLatin1String("\\_"));
        values << literal;
    }
    if (sitesOrder == 0)
        sql += QStringLiteral(" ORDER BY rank DESC");
    else if (sitesOrder == 1)
        sql += QStringLiteral(" ORDER BY submitUrl ASC");

    DbConnection db;
    QSqlQuery q = db.query(sql, values);
    while (q.next())
        // The driver hands integers over as 64-bit: reading them as such skips a conversion per value.
        row(SiteListRow{qint32(q.value(0).toLongLong()), q.value(1), SiteListLogin(q.value(2).toLongLong()), q.value(3),
                        q.value(4).toLongLong() == 1, q.value(5).toLongLong() == 1});
}

std::optional<SiteLogin> ReadSiteLogin(qint32 siteID) {
    DbConnection db;
    QSqlQuery q = db.query(
        QStringLiteral("SELECT userID, password, name, submitUrl, homePage FROM tab_sites WHERE siteID = ?"), {siteID});
    if (!q.next())
        return std::nullopt;
    return SiteLogin{q.value(0), q.value(1), q.value(2), q.value(3), q.value(4)};
}
