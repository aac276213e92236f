#include "cSite.h"

#include "ColumnValues.h"
#include "DateText.h"
#include "DbConnection.h"
#include "DbError.h"
#include "Trap.h"

#include <QSqlQuery>

bool cSite::Load() {
    return Trap(QStringLiteral("Error in Load: "), [&] {
        DbConnection db;
        QSqlQuery q =
            db.query(QStringLiteral("SELECT siteID, name, homePage, submitUrl, rank, userID, password, notes, "
                                    "autoUpdate, authReq, insertDate, updateDate FROM tab_sites WHERE siteID = ?"),
                     {SiteID});
        if (!q.next())
            return;
        SiteID = q.value(0).toInt();
        Name = TextColumn(q.value(1));
        HomePage = TextColumn(q.value(2));
        SubmitUrl = TextColumn(q.value(3));
        Rank = Int16Column(q.value(4));
        UserID = TextColumn(q.value(5));
        Password = TextColumn(q.value(6));
        Notes = TextColumn(q.value(7));
        AutoUpdate = q.value(8).toInt() != 0;
        AuthReq = q.value(9).toInt() != 0;
        // A null date leaves the property as it was.
        if (!q.value(10).isNull())
            Insertdate = DbReadDateTime(q.value(10));
        if (!q.value(11).isNull())
            UpdateDate = DbReadDateTime(q.value(11));
    });
}

bool cSite::Save() {
    return Trap(QStringLiteral("Error in Save: "), [&] {
        DbConnection db;
        const qint64 key =
            db.insert(QStringLiteral("INSERT INTO tab_sites (name, homePage, submitUrl, rank, userID, password, notes, "
                                     "autoUpdate, authReq, insertDate) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {TextValue(Name), TextValue(HomePage), TextValue(SubmitUrl), Rank, TextValue(UserID),
                       TextValue(Password), TextValue(Notes), AutoUpdate ? 1 : 0, AuthReq ? 1 : 0, DbNow()});
        SiteID = qint32(key);
    });
}

bool cSite::Update() {
    return Trap(QStringLiteral("Error in Update: "), [&] {
        DbConnection db;
        const int changed = db.execute(
            QStringLiteral("UPDATE tab_sites SET name = ?, homePage = ?, submitUrl = ?, rank = ?, userID = ?, "
                           "password = ?, autoUpdate = ?, authReq = ?, updateDate = ?, notes = ? "
                           "WHERE siteID = ?"),
            {TextValue(Name), TextValue(HomePage), TextValue(SubmitUrl), Rank, TextValue(UserID), TextValue(Password),
             AutoUpdate ? 1 : 0, AuthReq ? 1 : 0, DbNow(), TextValue(Notes), SiteID});
        RequireRowChanged(changed, QStringLiteral("site"));
    });
}
