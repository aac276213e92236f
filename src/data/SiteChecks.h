#pragma once

#include <QList>
#include <QString>

// The last check of each site's submit address, kept in tab_siteChecks (one row a site, see ExtraTables).

// The stored codes; the words are the window's.
enum class CheckResult { Ok = 1, Moved = 2, Redirected = 3, Gone = 4, ServerError = 5, Unreachable = 6 };
QString CheckResultWord(CheckResult result);
// Gone and Unreachable: the sites "Delete failed sites..." deletes.
bool CheckFailed(CheckResult result);

struct SiteCheck {
    qint64 siteID = 0;
    CheckResult result = CheckResult::Unreachable;
    int httpStatus = 0; // 0: no HTTP answer
    QString newAddress;
    QString reason;
    QString checkDate; // ISO text, set when stored
};

// A stored check with its site as it is now.
struct SiteCheckRow {
    SiteCheck check;
    QString name;
    QString submitUrl;
};

// A site's address to check.
struct SiteToCheck {
    qint64 siteID = 0;
    QString submitUrl;
    QString name;
};

// The sites' submit addresses, in the order given; deleted sites are left out. Throws DbError.
QList<SiteToCheck> SitesToCheck(const QList<qint64>& siteIDs);
// Stores the checks in one transaction, each replacing its site's last one and dated now (their checkDate is not
// read); a check of a site deleted meanwhile is dropped. Returns the date stored. Throws DbError.
QString SaveSiteChecks(const QList<SiteCheck>& checks);
// Every stored check of a site that exists, by site name. Throws DbError.
QList<SiteCheckRow> LoadSiteChecks();
// Gives each of these sites whose last check says Moved its new submit address, in one transaction, as the site
// editor changes a site (its update date, no history); their checks go, as they describe the old address. Returns
// the number of sites changed. Throws DbError.
int UseNewAddresses(const QList<qint64>& siteIDs);
