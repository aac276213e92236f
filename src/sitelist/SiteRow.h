#pragma once

#include <QList>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// What a row of a report list carries besides its texts: a key ("12 ID"), a tag (the site list keeps
// the submit address there) and the key of the icon shown in each column.
namespace SiteRow {
inline constexpr int KeyRole = 0x0100;     // Qt::UserRole
inline constexpr int TagRole = 0x0101;     // Qt::UserRole + 1
inline constexpr int IconKeyRole = 0x0102; // Qt::UserRole + 2

QString KeyFor(qint64 id);
// The number the key starts with: the site (or log row) the row stands for; 0 when there is none.
qint32 IdOf(const QTreeWidgetItem* row);
QString Tag(const QTreeWidgetItem* row);
QString IconKey(const QTreeWidgetItem* row, int column);
void SetIcon(QTreeWidgetItem* row, int column, const QString& key);
QTreeWidgetItem* FindByKey(QTreeWidget* list, const QString& key);

// The identifiers of every selected row, in list order.
QList<qint64> SelectedIds(const QTreeWidget* list);
// The identifiers of every row, in list order.
QList<qint64> ShownIds(const QTreeWidget* list);
// The row that commands act on: the current row, only while it is selected.
QTreeWidgetItem* SelectedItem(QTreeWidget* list);
// Makes the row the selected one and scrolls it into view.
void SelectAndShow(QTreeWidget* list, QTreeWidgetItem* row);
} // namespace SiteRow
