#pragma once

#include <QHash>
#include <QtGlobal>

#include <vector>

// The statuses of one product on every site, read with one query per list rebuild.
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
    Entry& slot(qint32 siteID, qint32 productID, qsizetype rowsRead);
    Entry find(qint32 siteID, qint32 productID) const;
    static quint64 pairKey(qint32 siteID, qint32 productID) {
        return (quint64(quint32(siteID)) << 32) | quint32(productID);
    }

    // Site identifiers mostly run from 1 without large gaps: the first product's entries sit at their site's
    // identifier, so that a look-up per row stays in the processor's cache at tens of thousands of sites. The
    // rest (another product, an identifier far beyond the rows read) go to the hash.
    qint32 m_denseProduct = 0;
    std::vector<Entry> m_dense;
    QHash<quint64, Entry> m_sparse;
};
