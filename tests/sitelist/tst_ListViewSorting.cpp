#include "DateText.h"
#include "ListRows.h"
#include "ListViewSorting.h"
#include "SiteList.h"
#include "SiteRow.h"
#include "TestProgramDir.h"

#include <QScopeGuard>
#include <QTest>
#include <QTreeWidget>

namespace {

enum Column { ColId, ColUrl, ColRank = 4 };

// Every row's texts, key and tag, in no particular order: what a sort must leave as it was.
QStringList rowContents(const QTreeWidget& list) {
    QStringList result;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list.topLevelItem(i);
        QString contents = row->data(0, SiteRow::KeyRole).toString() + '#' + SiteRow::Tag(row);
        for (int c = 0; c < list.columnCount(); ++c)
            contents += '|' + row->text(c);
        result << contents;
    }
    result.sort();
    return result;
}

// The site list of the sites with these addresses and ranks, in the database's order (setting 2), so only the
// sort orders the rows.
void build(QTreeWidget& list, const QList<QPair<QString, QVariant>>& sites = {}) {
    for (const auto& [url, rank] : sites)
        TestProgramDir::sql("INSERT INTO tab_sites (submitUrl, rank) VALUES (?, ?)", {url, rank});
    MakeSiteListColumns(&list);
    BuildSiteList(&list, SiteListFilter{0, -1, QString(), false, 2}, [](const QString&) {});
}

// A one-column list of the sort type: first the texts, then the shown forms of the moments, each sorting by it.
void fill(QTreeWidget& list, const QString& sortType, const QStringList& cells, const QList<QDateTime>& moments = {}) {
    list.headerItem()->setData(0, SortTypeRole, sortType);
    for (const QString& cell : cells)
        list.addTopLevelItem(new SortableItem(QStringList{cell}));
    for (const QDateTime& moment : moments) {
        auto* row = new SortableItem(QStringList{DateTimeDisplayText(moment)});
        row->setData(0, SortValueRole, moment);
        list.addTopLevelItem(row);
    }
}

} // namespace

class tst_ListViewSorting final : public QObject {
    Q_OBJECT

private slots:
    void numberColumnsSortByValueWithEmptiesFirstAscending() {
        TestProgramDir dir;
        QList<QPair<QString, QVariant>> sites;
        for (const QVariant& rank : {QVariant(10), QVariant(9), QVariant(), QVariant(-3), QVariant(0), QVariant(-20),
                                     QVariant(), QVariant(100), QVariant(1), QVariant(2)})
            sites << qMakePair("http://s.example/" + rank.toString(), rank);
        QTreeWidget list;
        build(list, sites);
        const QStringList before = rowContents(list);

        ListViewSorting(&list, ColRank);
        QCOMPARE(ColumnTexts(&list, ColRank), (QStringList{"", "", "-20", "-3", "0", "1", "2", "9", "10", "100"}));
        QCOMPARE(rowContents(list), before);
        ListViewSorting(&list, ColRank);
        QCOMPARE(ColumnTexts(&list, ColRank), (QStringList{"100", "10", "9", "2", "1", "0", "-3", "-20", "", ""}));
        QCOMPARE(rowContents(list), before);
        ListViewSorting(&list, ColId);
        QCOMPARE(ColumnTexts(&list, ColId), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));

        QTreeWidget words;
        fill(words, "number", {"abc", "1e3", "nan", "-1.5", "2", " 7 ", "inf", "-1"});
        ListViewSorting(&words, 0); // what is no number sorts first
        QCOMPARE(ColumnTexts(&words, 0), (QStringList{"abc", "nan", "inf", "-1.5", "-1", "2", " 7 ", "1e3"}));
    }

    void directionBelongsToTheListAndRebuildsFollowIt() {
        TestProgramDir dir;
        QTreeWidget list;
        build(list, {{"http://b.example/", 10}, {"http://A.example/", 9}, {"http://c.example/", 30}});
        ListViewSorting(&list, ColUrl);
        QCOMPARE(ColumnTexts(&list, ColUrl), (QStringList{"A.example/", "b.example/", "c.example/"}));
        ListViewSorting(&list, ColUrl);
        QCOMPARE(ColumnTexts(&list, ColUrl), (QStringList{"c.example/", "b.example/", "A.example/"}));
        ListViewSorting(&list, ColUrl);
        ListViewSorting(&list, ColRank);
        QCOMPARE(ColumnTexts(&list, ColRank), (QStringList{"30", "10", "9"}));

        build(list, {{"http://d.example/", 11}});
        QCOMPARE(ColumnTexts(&list, ColRank), (QStringList{"30", "11", "10", "9"}));
        QCOMPARE(SiteRow::Tag(list.topLevelItem(0)), QString("http://c.example/"));
    }

    void datesSortChronologicallyAcrossMonthsAndYears() {
        // A locale whose short dates have two-digit years: the shown text alone cannot order 1999 and 2012.
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
        const QList<QDateTime> moments{{QDate(2013, 1, 1), QTime(0, 0)},
                                       {QDate(2012, 9, 30), QTime(23, 59, 59)},
                                       {QDate(2012, 12, 31), QTime(23, 59, 59)},
                                       {QDate(2012, 10, 1), QTime(0, 0, 1)},
                                       {QDate(1999, 12, 31), QTime(12, 0)}};
        QTreeWidget list;
        fill(list, "DATE", {"not a date", "2012-10-2 8:0:0", "2012-09-09 09:00:00", ""}, moments);
        const auto shown = [&](int i) { return DateTimeDisplayText(moments[i]); };

        ListViewSorting(&list, 0);
        QCOMPARE(ColumnTexts(&list, 0), (QStringList{"not a date", "", shown(4), "2012-09-09 09:00:00", shown(1),
                                                     shown(3), "2012-10-2 8:0:0", shown(2), shown(0)}));
        ListViewSorting(&list, 0);
        QCOMPARE(ColumnTexts(&list, 0).first(), shown(0));
        QCOMPARE(ColumnTexts(&list, 0).mid(7), (QStringList{"not a date", ""}));
    }
};

QTEST_MAIN(tst_ListViewSorting)
#include "tst_ListViewSorting.moc"
