#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

// Whether a site needs a log-in and whether its user name is known.
enum class SiteListLogin : quint8 { NotNeeded, UserRequired, UserKnown };

// One site as the site list shows it; columns that may be null stay variants.
struct SiteListRow {
    qint32 siteID = 0;
    QVariant submitUrl;
    SiteListLogin login = SiteListLogin::NotNeeded; // a log-in without any user name stored shows as not needed
    QVariant rank;
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
