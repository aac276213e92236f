#include "SiteChecks.h"

#include "DateText.h"
#include "DbConnection.h"

#include <QCoreApplication>
#include <QHash>

QString CheckResultWord(CheckResult result) {
    switch (result) {
    case CheckResult::Ok:
        return QCoreApplication::translate("SiteChecks", "OK");
    case CheckResult::Moved:
        return QCoreApplication::translate("SiteChecks", "Moved");
    case CheckResult::Redirected:
        return QCoreApplication::translate("SiteChecks", "Redirected");
    case CheckResult::Gone:
        return QCoreApplication::translate("SiteChecks", "Gone");
    case CheckResult::ServerError:
        return QCoreApplication::translate("SiteChecks", "Server error");
    case CheckResult::Unreachable:
        return QCoreApplication::translate("SiteChecks", "Unreachable");
    }
    return {};
}

bool CheckFailed(CheckResult result) {
    return result == CheckResult::Gone || result == CheckResult::Unreachable;
}

QList<SiteToCheck> SitesToCheck(const QList<qint64>& siteIDs) {
    if (siteIDs.isEmpty())
        return {};
    const DbConnection db;
    QSqlQuery q = db.query(
        QStringLiteral("SELECT siteID, submitUrl, name FROM tab_sites WHERE siteID IN (%1)").arg(SqlIdList(siteIDs)));
    QHash<qint64, SiteToCheck> found;
    while (q.next())
        found.insert(q.value(0).toLongLong(), {q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString()});
    QList<SiteToCheck> sites;
    for (const qint64 siteID : siteIDs) {
        if (found.contains(siteID))
            sites.append(found.value(siteID));
    }
    return sites;
}

QString SaveSiteChecks(const QList<SiteCheck>& checks) {
    const QString now = DbNow();
    if (checks.isEmpty())
        return now;
    const DbConnection db;
    db.transaction([&] {
        QSqlQuery insert = db.prepare(
            QStringLiteral("INSERT OR REPLACE INTO tab_siteChecks (siteID, resultCode, httpStatus, newAddress, reason, "
                           "checkDate) SELECT siteID, ?, ?, ?, ?, ? FROM tab_sites WHERE siteID = ?"));
        for (const SiteCheck& check : checks) {
            ExecPrepared(insert, {int(check.result), check.httpStatus > 0 ? QVariant(check.httpStatus) : QVariant(),
                                  check.newAddress, check.reason, now, check.siteID});
        }
    });
    return now;
}

QList<SiteCheckRow> LoadSiteChecks() {
    const DbConnection db;
    QSqlQuery q = db.query(
        QStringLiteral("SELECT c.siteID, c.resultCode, c.httpStatus, c.newAddress, c.reason, c.checkDate, s.name, "
                       "s.submitUrl FROM tab_siteChecks c JOIN tab_sites s ON s.siteID = c.siteID ORDER BY s.name"));
    QList<SiteCheckRow> rows;
    while (q.next()) {
        const int code = q.value(1).toInt();
        const bool known = code >= int(CheckResult::Ok) && code <= int(CheckResult::Unreachable);
        rows.append({{q.value(0).toLongLong(), known ? CheckResult(code) : CheckResult::Unreachable, q.value(2).toInt(),
                      q.value(3).toString(), q.value(4).toString(), q.value(5).toString()},
                     q.value(6).toString(),
                     q.value(7).toString()});
    }
    return rows;
}

int UseNewAddresses(const QList<qint64>& siteIDs) {
    if (siteIDs.isEmpty())
        return 0;
    const DbConnection db;
    const QString moved = QStringLiteral("SELECT siteID FROM tab_siteChecks WHERE resultCode = %1 AND newAddress <> '' "
                                         "AND siteID IN (%2)")
                              .arg(int(CheckResult::Moved))
                              .arg(SqlIdList(siteIDs));
    int changed = 0;
    db.transaction([&] {
        changed = db.execute(QStringLiteral("UPDATE tab_sites SET submitUrl = (SELECT newAddress FROM tab_siteChecks c "
                                            "WHERE c.siteID = tab_sites.siteID), updateDate = ? WHERE siteID IN (%1)")
                                 .arg(moved),
                             {DbNow()});
        db.execute(QStringLiteral("DELETE FROM tab_siteChecks WHERE siteID IN (%1)").arg(moved));
    });
    return changed;
}
