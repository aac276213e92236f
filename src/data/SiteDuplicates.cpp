#include "SiteDuplicates.h"

#include "DbConnection.h"
#include "DbError.h"
#include "ExtraTables.h"
#include "SiteAddress.h"
#include "SubmitStatus.h"

#include <QHash>
#include <QMap>

#include <algorithm>
#include <optional>

namespace {

// The stored codes rise as a status advances (not submitted, submitted, published); a code the program does not know
// is below all.
int advancement(int code) {
    const std::optional<SubmitStatus> status = SubmitStatusOf(code);
    return status ? int(*status) : -1;
}

QHash<qint32, int> rowsPerSite(const DbConnection& db, const QString& table) {
    QHash<qint32, int> counts;
    QSqlQuery q = db.query(QStringLiteral("SELECT siteID, COUNT(*) FROM %1 GROUP BY siteID").arg(table));
    while (q.next())
        counts.insert(q.value(0).toInt(), q.value(1).toInt());
    return counts;
}

struct StatusRow {
    qint64 id = 0;
    int status = 0;
    QString insertDate;
    QString updateDate;
};

} // namespace

QList<DuplicateGroup> FindDuplicateSites() {
    DbConnection db;
    QMap<QString, QList<DuplicateSite>> byAddress;
    QSqlQuery q = db.query(QStringLiteral("SELECT siteID, name, submitUrl FROM tab_sites ORDER BY siteID"));
    while (q.next())
        byAddress[NormalizedSiteAddress(q.value(2).toString())].append(
            DuplicateSite{q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()});
    q = QSqlQuery();
    const QHash<qint32, int> statuses = rowsPerSite(db, QStringLiteral("tab_productStatus"));
    const QHash<qint32, int> history = rowsPerSite(db, QStringLiteral("tab_productHistory"));
    QList<DuplicateGroup> groups;
    for (auto it = byAddress.begin(); it != byAddress.end(); ++it) {
        if (it.value().size() < 2)
            continue;
        for (DuplicateSite& site : it.value()) {
            site.statusRows = statuses.value(site.siteID);
            site.historyRows = history.value(site.siteID);
        }
        groups.append(DuplicateGroup{it.key(), it.value()});
    }
    return groups;
}

void MergeSites(qint32 keptSiteID, const QList<qint32>& otherSiteIDs) {
    QList<qint64> others;
    for (const qint32 id : otherSiteIDs)
        if (id != keptSiteID)
            others << id;
    if (others.isEmpty())
        return;
    const QString otherList = SqlIdList(others);
    const QString allList = SqlIdList(QList<qint64>(others) << keptSiteID);
    DbConnection db;
    db.transaction([&] {
        if (!db.query(QStringLiteral("SELECT 1 FROM tab_sites WHERE siteID = ?"), {keptSiteID}).next())
            throw RecordGone(QStringLiteral("site"));
        QMap<qint32, QList<StatusRow>> byProduct;
        QSqlQuery q = db.query(QStringLiteral("SELECT IDproductStatus, productID, submitStatus, insertDate, updateDate "
                                              "FROM tab_productStatus WHERE siteID IN (%1) ORDER BY IDproductStatus")
                                   .arg(allList));
        while (q.next())
            byProduct[q.value(1).toInt()].append(
                StatusRow{q.value(0).toLongLong(), q.value(2).toInt(), q.value(3).toString(), q.value(4).toString()});
        q = QSqlQuery();
        for (const QList<StatusRow>& rows : std::as_const(byProduct)) {
            const StatusRow best = *std::max_element(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
                const int rankA = advancement(a.status);
                const int rankB = advancement(b.status);
                return rankA != rankB ? rankA < rankB : a.updateDate < b.updateDate;
            });
            QString firstDate = best.insertDate;
            QString lastDate = best.updateDate;
            QList<qint64> losers;
            for (const StatusRow& row : rows) {
                firstDate = std::min(firstDate, row.insertDate);
                lastDate = std::max(lastDate, row.updateDate);
                if (row.id != best.id)
                    losers << row.id;
            }
            db.execute(QStringLiteral("UPDATE tab_productStatus SET siteID = ?, insertDate = ?, updateDate = ? "
                                      "WHERE IDproductStatus = ?"),
                       {keptSiteID, firstDate, lastDate, best.id});
            if (!losers.isEmpty())
                db.execute(QStringLiteral("DELETE FROM tab_productStatus WHERE IDproductStatus IN (%1)")
                               .arg(SqlIdList(losers)));
        }
        db.execute(QStringLiteral("UPDATE tab_productHistory SET siteID = ? WHERE siteID IN (%1)").arg(otherList),
                   {keptSiteID});
        if (db.execute(QStringLiteral("DELETE FROM tab_sites WHERE siteID IN (%1)").arg(otherList)) != others.size())
            throw RecordGone(QStringLiteral("site"));
        DeleteSiteRowsInExtraTables(db, others);
    });
}
