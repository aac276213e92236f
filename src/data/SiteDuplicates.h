#pragma once

#include <QList>
#include <QString>

// Sites whose submit addresses are the same once normalised, and the merge of such a group into one site.

struct DuplicateSite {
    qint32 siteID = 0;
    QString name;
    QString submitUrl;
    int statusRows = 0;
    int historyRows = 0;
};

struct DuplicateGroup {
    QString address;            // the normalised address they share
    QList<DuplicateSite> sites; // by key, oldest first
};

// Every group of two or more sites with the same normalised submit address, ordered by that address.
QList<DuplicateGroup> FindDuplicateSites();

// Moves the status and history rows of the other sites to the kept site and deletes the others, in one
// transaction. Where two of them have a status for the same product, the kept row has the most advanced status
// (with its old-version flag and notes; the later change on a tie), the earliest first date and the latest change
// date. Throws RecordGone when a site no longer exists.
void MergeSites(qint32 keptSiteID, const QList<qint32>& otherSiteIDs);
