#include "DateText.h"
#include "ListViewSorting.h"
#include "SiteList.h"
#include "SiteRow.h"
#include "Spies.h"
#include "TestProgramDir.h"

#include <QTest>
#include <QTreeWidget>

namespace {

enum Column { ColId, ColUrl, ColRank = 4 };

QStringList texts(const QTreeWidget& list, int column) {
    QStringList result;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        result << list.topLevelItem(i)->text(column);
    return result;
}

// Every row as all its texts, its key and its tag: what a sort must leave as it was.
QStringList rowContents(const QTreeWidget& list) {
    QStringList result;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list.topLevelItem(i);
        QStringList cells;
        for (int c = 0; c < list.columnCount(); ++c)
            cells << row->text(c);
        result << cells.join('|') + '#' + row->data(0, SiteRow::KeyRole).toString() + '#' + SiteRow::Tag(row);
    }
    result.sort();
    return result;
}

void addSite(const TestProgramDir& dir, const QString& url, const QVariant& rank) {
    dir.sql("INSERT INTO tab_sites (submitUrl, rank) VALUES (?, ?)", {url, rank});
}

void build(QTreeWidget& list) {
    // Order 2 keeps the database's order, so only the sort orders the rows.
    BuildSiteList(&list, SiteListFilter{0, -1, QString(), false, 2}, [](const QString&) {});
}

// A one-column list of the sort type holding the texts, in this order.
void fill(QTreeWidget& list, const QString& sortType, const QStringList& cells) {
    list.setColumnCount(1);
    list.headerItem()->setData(0, SortTypeRole, sortType);
    for (const QString& cell : cells) {
        auto* row = new SortableItem;
        row->setText(0, cell);
        list.addTopLevelItem(row);
    }
}

} // namespace

class tst_ListViewSorting final : public QObject {
    Q_OBJECT

private slots:
    void rankSortsAsNumbersWithEmptiesFirstAscending() {
        TestProgramDir dir;
        for (const QVariant& rank : {QVariant(10), QVariant(9), QVariant(), QVariant(-3), QVariant(0), QVariant(-20),
                                     QVariant(), QVariant(100)})
            addSite(dir, "http://site.example/" + rank.toString(), rank);
        QTreeWidget list;
        MakeSiteListColumns(&list);
        build(list);
        const QStringList before = rowContents(list);

        ListViewSorting(&list, ColRank);
        QCOMPARE(texts(list, ColRank), (QStringList{"", "", "-20", "-3", "0", "9", "10", "100"}));
        QCOMPARE(rowContents(list), before);
        ListViewSorting(&list, ColRank);
        QCOMPARE(texts(list, ColRank), (QStringList{"100", "10", "9", "0", "-3", "-20", "", ""}));
        QCOMPARE(rowContents(list), before);
        // The key column is a number too: 2 before 10.
        ListViewSorting(&list, ColId);
        QCOMPARE(texts(list, ColId), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
    }

    void directionBelongsToTheListAndRebuildsFollowIt() {
        TestProgramDir dir;
        addSite(dir, "http://b.example/", 10);
        addSite(dir, "http://A.example/", 9);
        addSite(dir, "http://c.example/", 30);
        QTreeWidget list;
        MakeSiteListColumns(&list);
        build(list);

        ListViewSorting(&list, ColUrl);
        QCOMPARE(texts(list, ColUrl), (QStringList{"A.example/", "b.example/", "c.example/"}));
        ListViewSorting(&list, ColUrl);
        QCOMPARE(texts(list, ColUrl), (QStringList{"c.example/", "b.example/", "A.example/"}));
        ListViewSorting(&list, ColUrl);
        ListViewSorting(&list, ColRank);
        QCOMPARE(texts(list, ColRank), (QStringList{"30", "10", "9"}));

        addSite(dir, "http://d.example/", 11);
        build(list);
        QCOMPARE(texts(list, ColRank), (QStringList{"30", "11", "10", "9"}));
        QCOMPARE(SiteRow::Tag(list.topLevelItem(0)), QString("http://c.example/"));
    }

    void numberCellsThatAreNoNumbersSortFirst() {
        QTreeWidget list;
        fill(list, "number", {"abc", "1e3", "nan", "-1.5", "2", " 7 ", "inf", "-1"});
        ListViewSorting(&list, 0);
        QCOMPARE(texts(list, 0), (QStringList{"abc", "nan", "inf", "-1.5", "-1", "2", " 7 ", "1e3"}));
    }

    void datesSortChronologicallyAcrossMonthsAndYears() {
        const QList<QDateTime> moments{
            QDateTime(QDate(2013, 1, 1), QTime(0, 0)), QDateTime(QDate(2012, 9, 30), QTime(23, 59, 59)),
            QDateTime(QDate(2012, 12, 31), QTime(23, 59, 59)), QDateTime(QDate(2012, 10, 1), QTime(0, 0, 1)),
            QDateTime(QDate(1999, 12, 31), QTime(12, 0))};
        QTreeWidget list;
        fill(list, "DATE", {"not a date", "2012-10-2 8:0:0", "2012-09-09 09:00:00", ""});
        for (const QDateTime& moment : moments) {
            auto* row = new SortableItem;
            row->setText(0, DateTimeDisplayText(moment));
            row->setData(0, SortValueRole, moment);
            list.addTopLevelItem(row);
        }
        const auto shown = [](const QDateTime& moment) { return DateTimeDisplayText(moment); };

        ListViewSorting(&list, 0);
        QCOMPARE(texts(list, 0),
                 (QStringList{"not a date", "", shown(moments[4]), "2012-09-09 09:00:00", shown(moments[1]),
                              shown(moments[3]), "2012-10-2 8:0:0", shown(moments[2]), shown(moments[0])}));
        ListViewSorting(&list, 0);
        QCOMPARE(texts(list, 0).first(), shown(moments[0]));
        QCOMPARE(texts(list, 0).mid(7), (QStringList{"not a date", ""}));
    }

    void textSortIgnoresCase() {
        QTreeWidget list;
        fill(list, "", {"beta", "Alpha", "gamma", "ALPHA"});
        ListViewSorting(&list, 0);
        QCOMPARE(texts(list, 0), (QStringList{"Alpha", "ALPHA", "beta", "gamma"}));
    }
};

QTEST_MAIN(tst_ListViewSorting)
#include "tst_ListViewSorting.moc"
