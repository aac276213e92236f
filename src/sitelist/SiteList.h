#pragma once

#include <QString>

#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

// What the site list shows: the chosen product (0 for none), the status filter (-1 all, 0, 1, 2),
// the search text, the "Old version only" check and the ordering setting.
struct SiteListFilter {
    qint32 productID = 0;
    qint32 filter = -1;
    QString search;
    bool oldVersionOnly = false;
    qint16 sitesOrder = 1;
};

// The six columns with their captions, widths as shares of the list's width and sort types.
void MakeSiteListColumns(QTreeWidget* list);

// Rebuilds every row from the database and reports "Loading... N" and then the element count through
// statusText. The rows follow the list's last column sort, if any. On a failure the rows built so far
// stay and the failure is thrown on.
void BuildSiteList(QTreeWidget* list, const SiteListFilter& filter,
                   const std::function<void(const QString&)>& statusText);

// The first row, from position `from` of the list on, whose product is neither submitted nor published there;
// null when there is none.
QTreeWidgetItem* NextRemainingRow(QTreeWidget* list, int from);
// The same for the first row marked old version for the product.
QTreeWidgetItem* NextOldVersionRow(QTreeWidget* list, int from);
