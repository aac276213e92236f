#pragma once

#include <QTreeWidgetItem>

#include <span>

class QTreeWidget;

// The column sort type kept in a header section: "NUMBER", "DATE" or "STRING".
inline constexpr int SortTypeRole = 0x0103; // Qt::UserRole + 3

// A cell's value for sorting where its text is only a display form of it (a date shown in the user's format).
inline constexpr int SortValueRole = 0x0104; // Qt::UserRole + 4

// A row of a report list that sorts by the type its column declares in the header (SortTypeRole):
// NUMBER and DATE cells by value, anything else by text (SortValueRole's when the cell has one) without regard
// to case. A cell that is not a number or not a date sorts before all others in ascending order.
class SortableItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override;
};

// A header click: sorts the list by the column, in the direction opposite to the list's last one (the
// direction belongs to the list, whichever column was clicked before). The first click sorts ascending.
void ListViewSorting(QTreeWidget* list, int column);
// After a rebuild: puts the rows in the order of the list's last sort, if it was ever sorted.
void FollowListSort(QTreeWidget* list);

// A report list's column: its caption, its width as a share in percent of the list's width, and its sort type.
struct ListColumn {
    const char* caption;
    int share;
    const char* sortType;
};
// Gives the list these columns, each as wide as its share of the list's present width but never narrower than its
// caption, so that no caption is cut. The captions are translated in `context`.
void SetListColumns(QTreeWidget* list, const char* context, std::span<const ListColumn> columns);
