#pragma once

#include <QDateTime>
#include <QString>

// One row of tab_sites as the site editor edits it (the bookmark is not part of it).
// An invalid date-time stands for "no date".
class cSite final {
public:
    qint32 SiteID = 0;
    QString Name;
    QString HomePage;
    QString SubmitUrl;
    qint16 Rank = 0;
    QString UserID;
    QString Password;
    QString Notes;
    QDateTime Insertdate;
    QDateTime UpdateDate;
    bool AutoUpdate = false;
    bool AuthReq = false;

    // Reads the row of SiteID; a missing row changes nothing. False when it failed ("Error in Load: " shown);
    // the properties read before the failure keep their new values.
    bool Load();
    // Appends a new row stamped with the current moment and reads its key into SiteID.
    // False when it failed ("Error in Save: " shown).
    bool Save();
    // Writes every editable field to the row of SiteID and stamps updateDate; a missing row changes nothing.
    // False when it failed ("Error in Update: " shown).
    bool Update();
};
