#pragma once

#include "DbConnection.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <array>

// A product's line on the home page. Only status rows of sites that still exist count (deleting a site leaves
// its status rows).
struct ProductCounts {
    qint32 productID = 0;
    QString name;
    qint32 submitted = 0;
    qint32 published = 0;
    qint32 oldVersion = 0;
};

// Status changes (notes aside) per week, oldest week first; the last week ends with the day given.
inline constexpr int kChartWeeks = 12;
using WeeklyChanges = std::array<qint32, kChartWeeks>;

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
    // Per product key, the status changes of each of the 12 weeks up to `lastDay`; products without any are left out.
    QHash<qint32, WeeklyChanges> ReadWeeklyChanges(const QDate& lastDay) const;

private:
    DbConnection m_db;
};

// The latest status change, read over a connection of its own; throws DbError.
QDateTime LastOperationDate();
