#pragma once

#include "DbConnection.h"

#include <QDateTime>
#include <QList>
#include <QString>

// A product's line on the home page. Only status rows of sites that still exist count (deleting a site leaves
// its status rows).
struct ProductCounts {
    qint32 productID = 0;
    QString name;
    qint32 submitted = 0;
    qint32 published = 0;
    qint32 oldVersion = 0;
};

// The home page's figures, read over one connection from one snapshot of the archive, so that another
// program writing meanwhile cannot make a product's counts exceed the sites. Each read throws DbError.
class ArchiveTotals final {
public:
    ArchiveTotals();

    qint32 CountSites() const;
    qint32 CountProducts() const;
    // The latest status change; invalid when there is none.
    QDateTime LastOperationDate() const;
    // Every product, in the order they were made.
    QList<ProductCounts> ReadProductCounts() const;

private:
    DbConnection m_db;
};

// The latest status change, read over a connection of its own; throws DbError.
QDateTime LastOperationDate();
