#include "DateText.h"
#include "ListRows.h"
#include "ListViewSorting.h"
#include "SiteList.h"
#include "TestMain.h"

#include <QScopeGuard>
#include <QTest>
#include <QTreeWidget>

namespace {

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
    // Whole rows and their ranks are tst_SiteList's; here texts that are numbers or not.
    void numbersSortByValueWithWhatIsNoNumberFirst() {
        QTreeWidget words;
        fill(words, "number", {"abc", "1e3", "nan", "-1.5", "2", " 7 ", "inf", "-1"});
        ListViewSorting(&words, 0);
        QCOMPARE(ColumnTexts(&words, 0), (QStringList{"abc", "nan", "inf", "-1.5", "-1", "2", " 7 ", "1e3"}));
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

QUILL_TEST_MAIN(tst_ListViewSorting)
#include "tst_ListViewSorting.moc"
