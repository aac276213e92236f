#include "DbConnection.h"
#include "DbError.h"
#include "HistoryQueries.h"
#include "Spies.h"
#include "StatusQueries.h"
#include "TestProgramDir.h"

#include <QSqlQuery>
#include <QTest>

namespace {

const QDateTime kFirst(QDate(2012, 9, 30), QTime(23, 59, 59));
const QDateTime kLater(QDate(2012, 10, 1), QTime(0, 0, 1));

struct StatusRow {
    int count = 0;
    int status = -9;
    int oldVersion = -9;
    QString insertDate;
    QString updateDate;
};

StatusRow statusRow(const TestProgramDir& dir, int site, int product) {
    StatusRow row;
    row.count = dir.scalar("SELECT COUNT(*) FROM tab_productStatus WHERE siteID = ? AND productID = ?", {site, product})
                    .toInt();
    DbConnection db;
    QSqlQuery q = db.query("SELECT submitStatus, oldVersion, insertDate, updateDate FROM tab_productStatus "
                           "WHERE siteID = ? AND productID = ?",
                           {site, product});
    if (q.next())
        row = {row.count, q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString(), q.value(3).toString()};
    return row;
}

QList<qint64> historyIds(qint32 site, qint32 product) {
    QList<qint64> ids;
    ForEachHistoryRow(site, product, [&](const HistoryRow& row) { ids << row.id; });
    return ids;
}

} // namespace

class tst_StatusStore final : public QObject {
    Q_OBJECT

private slots:
    void firstChangeInsertsLaterChangeUpdatesAndClearsTheFlag() {
        TestProgramDir dir;
        FixedClock clock(kFirst);
        WriteProductStatus(4, 2, 1);
        StatusRow row = statusRow(dir, 4, 2);
        QCOMPARE(row.count, 1);
        QCOMPARE(row.status, 1);
        QCOMPARE(row.oldVersion, 0);
        QCOMPARE(row.insertDate, QString("2012-09-30 23:59:59"));
        QCOMPARE(row.updateDate, row.insertDate);

        dir.sql("UPDATE tab_productStatus SET oldVersion = 1");
        clock.set(kLater);
        WriteProductStatus(4, 2, 2);
        row = statusRow(dir, 4, 2);
        QCOMPARE(row.count, 1);
        QCOMPARE(row.status, 2);
        QCOMPARE(row.oldVersion, 0);
        QCOMPARE(row.insertDate, QString("2012-09-30 23:59:59"));
        QCOMPARE(row.updateDate, QString("2012-10-01 00:00:01"));
        // Another product on the same site is a pair of its own.
        WriteProductStatus(4, 3, 0);
        QCOMPARE(statusRow(dir, 4, 3).count, 1);
        QCOMPARE(statusRow(dir, 4, 2).status, 2);
    }

    void oldVersionFlagChangesOnlyExistingRowsOfTheProduct() {
        TestProgramDir dir;
        WriteProductStatus(1, 7, 1);
        WriteProductStatus(2, 7, 2);
        WriteProductStatus(3, 8, 1);
        QCOMPARE(WriteOldVersionFlag({1, 2, 3, 99}, 7, true), 2);
        QCOMPARE(statusRow(dir, 1, 7).oldVersion, 1);
        QCOMPARE(statusRow(dir, 2, 7).oldVersion, 1);
        QCOMPARE(statusRow(dir, 3, 8).oldVersion, 0);
        QCOMPARE(statusRow(dir, 99, 7).count, 0);
        QCOMPARE(WriteOldVersionFlag({2}, 7, false), 1);
        QCOMPARE(statusRow(dir, 2, 7).oldVersion, 0);
        QCOMPARE(WriteOldVersionFlag({5, 6}, 7, true), 0);
        QCOMPARE(WriteOldVersionFlag({}, 7, true), 0);
    }

    void lookUpsGiveTheMissingRowText() {
        TestProgramDir dir;
        dir.sql("INSERT INTO tab_products (name, version) VALUES ('p', ?)", {"1.0 'beta'"});
        dir.sql("INSERT INTO tab_products (name) VALUES ('no version')");
        dir.sql("INSERT INTO tab_sites (submitUrl) VALUES ('http://a.example/submit')");
        QCOMPARE(ReadProductVersion(1), QString("1.0 'beta'"));
        QCOMPARE(ReadProductVersion(2), QString(""));
        QVERIFY(!ReadProductVersion(2).isNull());
        QCOMPARE(ReadProductVersion(42), QString("?.??"));
        QCOMPARE(ReadSitePadByID(1), QString("http://a.example/submit"));
        QCOMPARE(ReadSitePadByID(42), QString("?.??"));
    }

    void logRowsAreAppendedListedNewestFirstAndDeleted() {
        TestProgramDir dir;
        FixedClock clock(QDateTime(QDate(2012, 12, 31), QTime(23, 59, 59)));
        AppendProductHistory(1, 1, 1, "1.0 'beta'");
        clock.set(QDateTime(QDate(2013, 1, 1), QTime(0, 0, 0)));
        AppendProductHistory(1, 1, 2, QString());
        AppendHistoryNote(1, 1, "2.0", "it's done");
        AppendHistoryNote(1, 1, "2.0", QString());
        AppendProductHistory(2, 1, 1, "x");

        // Same second: the later row first; then by date, across the year's end.
        QCOMPARE(historyIds(1, 1), (QList<qint64>{4, 3, 2, 1}));
        QList<HistoryRow> rows;
        ForEachHistoryRow(1, 1, [&](const HistoryRow& row) { rows << row; });
        QCOMPARE(rows[0].submitStatus.toInt(), -1);
        QCOMPARE(rows[0].notes.toString(), QString(""));
        QVERIFY(!rows[0].notes.isNull());
        QCOMPARE(rows[1].notes.toString(), QString("it's done"));
        QVERIFY(rows[2].notes.isNull());
        QCOMPARE(rows[2].version.toString(), QString(""));
        QCOMPARE(rows[3].version.toString(), QString("1.0 'beta'"));
        QCOMPARE(rows[3].opDate.toString(), QString("2012-12-31 23:59:59"));

        QCOMPARE(DeleteHistoryRows({1, 3}), 2);
        QCOMPARE(historyIds(1, 1), (QList<qint64>{4, 2}));
        QCOMPARE(historyIds(2, 1), QList<qint64>{5});
        QCOMPARE(DeleteHistoryRows({}), 0);
    }

    void pairStatusNeedsTheSiteAndTheProduct() {
        TestProgramDir dir;
        dir.sql("INSERT INTO tab_products (name, version) VALUES ('Quill', '5.2')");
        dir.sql("INSERT INTO tab_sites (name, submitUrl) VALUES (NULL, 'u')");
        QVERIFY(!ReadPairStatus(1, 1));
        WriteProductStatus(1, 1, 2);
        const auto status = ReadPairStatus(1, 1);
        QVERIFY(status);
        QCOMPARE(status->productName.toString(), QString("Quill"));
        QCOMPARE(status->version.toString(), QString("5.2"));
        QVERIFY(status->siteName.isNull());
        QCOMPARE(status->submitStatus, 2);
        WriteProductStatus(9, 1, 1);
        QVERIFY(!ReadPairStatus(9, 1));
    }

    void failuresAreThrown() {
        TestProgramDir dir;
        dir.sql("DROP TABLE tab_productHistory");
        QVERIFY_THROWS_EXCEPTION(DbError, AppendHistoryNote(1, 1, "1", "n"));
        QVERIFY_THROWS_EXCEPTION(DbError, historyIds(1, 1));
    }
};

QTEST_GUILESS_MAIN(tst_StatusStore)
#include "tst_StatusStore.moc"
