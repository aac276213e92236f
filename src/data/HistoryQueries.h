#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

// The current status of one product on one site, with the names the history window's header shows.
// Columns that may be null stay variants.
struct PairStatus {
    QVariant productName;
    QVariant version;
    QVariant siteName;
    qint32 submitStatus = 0;
    QVariant insertDate;
    QVariant updateDate;
};

// The pair's status row joined with its site and product; none when there is no row or the site or
// product is gone. Throws DbError.
std::optional<PairStatus> ReadPairStatus(qint32 siteID, qint32 productID);

// One row of the history log.
struct HistoryRow {
    qint64 id = 0;
    QVariant version;
    QVariant submitStatus;
    QVariant opDate;
    QVariant notes;
};

// Hands over the pair's log rows newest first (of rows stamped the same second, the later written first).
// Throws DbError after the rows read so far.
void ForEachHistoryRow(qint32 siteID, qint32 productID, const std::function<void(const HistoryRow&)>& row);
// Deletes the log rows by their identifiers; the status rows are not touched. Returns how many went.
int DeleteHistoryRows(const QList<qint64>& ids);
// Appends the user's note to the pair's log (status code -1) with the product's version, stamped now.
// Throws RecordGone when the site or the product no longer exists; nothing is written then.
void AppendHistoryNote(qint32 siteID, qint32 productID, const QString& notes);
