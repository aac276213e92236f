#include "ListViewSorting.h"

#include "BusyGuard.h"
#include "DateText.h"
#include "Trap.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLocale>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The list's sort state lives on the list, so it outlives every rebuild of its rows.
constexpr const char* kSortColumn = "quillSortColumn";
constexpr const char* kSortDescending = "quillSortDescending";

QString sortTypeOf(const QTreeWidget* list, int column) {
    return list->headerItem()->data(column, SortTypeRole).toString().trimmed().toUpper();
}

std::optional<double> numberOf(const QString& cell) {
    const QString text = cell.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = QLocale().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    // Infinity and not-a-number are no ranks, and a value equal to nothing would break the ordering.
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// The program's stored and written forms first, then the user's display forms.
QDateTime dateOf(const QTreeWidgetItem& row, int column) {
    const QVariant value = row.data(column, SortValueRole);
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    const QString text = row.text(column).trimmed();
    if (text.isEmpty())
        return {};
    QDateTime moment = DbReadDateTime(text);
    for (const char* format : {"yyyy-M-d H:m:s", "yyyy-M-d"}) {
        if (!moment.isValid())
            moment = QDateTime::fromString(text, QString::fromLatin1(format));
    }
    const QLocale locale;
    if (!moment.isValid())
        moment = locale.toDateTime(text, QLocale::ShortFormat);
    if (!moment.isValid())
        moment = locale.toDateTime(text, locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') +
                                             locale.timeFormat(QLocale::LongFormat).remove(QLatin1Char('t')).trimmed());
    if (!moment.isValid())
        moment = locale.toDate(text, QLocale::ShortFormat).startOfDay();
    return moment;
}

// Orders values that may be missing: a missing one before every present one.
template <class T> bool lessWithMissingFirst(const std::optional<T>& a, const std::optional<T>& b) {
    if (!b)
        return false;
    if (!a)
        return true;
    return *a < *b;
}

std::optional<QDateTime> validDate(const QDateTime& moment) {
    return moment.isValid() ? std::optional<QDateTime>(moment) : std::nullopt;
}

} // namespace

bool SortableItem::operator<(const QTreeWidgetItem& other) const {
    const QTreeWidget* list = treeWidget();
    const int column = list ? list->sortColumn() : 0;
    const QString type = list ? sortTypeOf(list, column) : QString();
    if (type == QLatin1String("NUMBER"))
        return lessWithMissingFirst(numberOf(text(column)), numberOf(other.text(column)));
    if (type == QLatin1String("DATE"))
        return lessWithMissingFirst(validDate(dateOf(*this, column)), validDate(dateOf(other, column)));
    const auto sortText = [column](const QTreeWidgetItem& row) {
        const QVariant value = row.data(column, SortValueRole);
        return value.isValid() ? value.toString() : row.text(column);
    };
    return sortText(*this).compare(sortText(other), Qt::CaseInsensitive) < 0;
}

void ListViewSorting(QTreeWidget* list, int column) {
    Trap(QStringLiteral("Error in ListViewSorting: "), [&] {
        if (column < 0 || column >= list->columnCount())
            return;
        BusyGuard busy(list);
        // Before the first click the list counts as descending, so that the first click sorts ascending.
        const bool wasDescending =
            list->property(kSortColumn).isValid() ? list->property(kSortDescending).toBool() : true;
        const bool descending = !wasDescending;
        list->setProperty(kSortColumn, column);
        list->setProperty(kSortDescending, descending);
        list->header()->setSortIndicatorShown(true);
        FollowListSort(list);
    });
}

void FollowListSort(QTreeWidget* list) {
    const QVariant column = list->property(kSortColumn);
    if (!column.isValid())
        return;
    list->sortItems(column.toInt(),
                    list->property(kSortDescending).toBool() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void SetListColumns(QTreeWidget* list, const char* context, std::span<const ListColumn> columns) {
    list->setColumnCount(int(columns.size()));
    QTreeWidgetItem* header = list->headerItem();
    const int width = list->viewport()->width();
    for (int i = 0; i < int(columns.size()); ++i) {
        header->setText(i, QCoreApplication::translate(context, columns[i].caption));
        header->setData(i, SortTypeRole, QString::fromLatin1(columns[i].sortType));
        list->setColumnWidth(i, std::max(width * columns[i].share / 100, list->header()->sectionSizeHint(i)));
    }
}
