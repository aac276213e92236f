#include "SiteRow.h"

#include "SiteIcons.h"

#include <QTreeWidget>

namespace SiteRow {

QString KeyFor(qint64 id) {
    return QString::number(id) + QStringLiteral(" ID");
}

qint32 IdOf(const QTreeWidgetItem* row) {
    const QString key = row ? row->data(0, KeyRole).toString() : QString();
    qsizetype digits = key.startsWith(QLatin1Char('-')) ? 1 : 0;
    while (digits < key.size() && key[digits].isDigit())
        ++digits;
    return key.left(digits).toInt();
}

QString Tag(const QTreeWidgetItem* row) {
    return row ? row->data(0, TagRole).toString() : QString();
}

QString IconKey(const QTreeWidgetItem* row, int column) {
    return row ? row->data(column, IconKeyRole).toString() : QString();
}

void SetIcon(QTreeWidgetItem* row, int column, const QString& key) {
    row->setData(column, IconKeyRole, key);
    row->setIcon(column, SiteIcon(key));
}

QTreeWidgetItem* FindByKey(QTreeWidget* list, const QString& key) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->data(0, KeyRole).toString() == key)
            return list->topLevelItem(i);
    }
    return nullptr;
}

QList<qint64> SelectedIds(const QTreeWidget* list) {
    QList<qint64> ids;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (const QTreeWidgetItem* row = list->topLevelItem(i); row->isSelected())
            ids << IdOf(row);
    }
    return ids;
}

QList<qint64> ShownIds(const QTreeWidget* list) {
    QList<qint64> ids;
    ids.reserve(list->topLevelItemCount());
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        ids << IdOf(list->topLevelItem(i));
    return ids;
}

QTreeWidgetItem* SelectedItem(QTreeWidget* list) {
    QTreeWidgetItem* current = list->currentItem();
    return current && current->isSelected() ? current : nullptr;
}

void SelectAndShow(QTreeWidget* list, QTreeWidgetItem* row) {
    list->setCurrentItem(row);
    row->setSelected(true);
    list->scrollToItem(row);
}

} // namespace SiteRow
