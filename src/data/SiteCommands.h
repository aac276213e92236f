#pragma once

#include <QList>
#include <QtGlobal>

// Flips a site's bookmark; returns whether it is set now. Throws RecordGone when the site no longer exists.
bool ToggleBookmark(qint32 siteID);
// Clears the bookmark of every site, shown in the list or not.
void ClearAllBookmarks();
// Deletes the sites' rows and their rows in the program's extra tables; their status and history rows stay.
void DeleteSites(const QList<qint64>& siteIDs);
