#pragma once

#include <QHash>
#include <QtGlobal>

// The statuses of one product on every site, read with one query per list rebuild and looked up by hash.
// No row for a pair means status 0 and no old-version flag; of two rows for one pair the older one (lower key) wins.
class StatusCache final {
public:
    // Adds the product's status rows; throws DbError, keeping the rows read so far.
    void SetProductStatus(qint32 productID);
    qint16 GetProductStatus(qint32 siteID, qint32 productID) const;
    qint16 GetProductVersionPublished(qint32 siteID, qint32 productID) const;

private:
    struct Entry {
        qint16 status = 0;
        qint16 oldVersion = 0;
        qint64 row = 0; // the status row's key: of two rows for one pair, the lower key's wins
    };
    static quint64 pairKey(qint32 siteID, qint32 productID) {
        return (quint64(quint32(siteID)) << 32) | quint32(productID);
    }

    QHash<quint64, Entry> m_entries;
};
