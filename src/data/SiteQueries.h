#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

// One site as the site list shows it; columns that may be null stay variants.
struct SiteListRow {
    qint32 siteID = 0;
    QVariant submitUrl;
    QVariant userID;
    QVariant rank;
    bool authReq = false;
    bool bookmark = false;
    bool autoUpdate = false;
};

// Reads the sites whose submit address contains the search text (when it is not blank), in the order
// chosen by the setting: 0 by rank highest first, 1 by submit address, anything else unordered.
// Hands each row over as it is read; throws DbError.
void ForEachSite(const QString& search, qint16 sitesOrder, const std::function<void(const SiteListRow&)>& row);

struct SiteLogin {
    QVariant userID;
    QVariant password;
    // Whose log-in it is, and where it may be used.
    QVariant name;
    QVariant submitUrl;
    QVariant homePage;
};
std::optional<SiteLogin> ReadSiteLogin(qint32 siteID);
