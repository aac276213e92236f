#include "ArchiveTotals.h"
#include "Seed.h"
#include "Spies.h"
#include "StatusCache.h"
#include "StatusQueries.h"
#include "TestMain.h"
#include "TestProgramDir.h"

#include <QTest>

// The counts of the home page, the look-ups' missing-row text and the null version are tested with the home page,
// the status changes and the history window.
class tst_StatusStore final : public QObject {
    Q_OBJECT

private slots:
    void cacheAnswersPerPairAndFirstRowWins() {
        TestProgramDir dir;
        const qint32 product = SeedProduct("P");
        const qint32 other = SeedProduct("Q");
        SeedStatus(1, product, 2, true);
        SeedStatus(1, product, 0, false); // a second row for the pair: never written by the program
        SeedStatus(2, product, 1, false);
        SeedStatus(3, other, 2, true);
        StatusCache cache;
        cache.SetProductStatus(product);
        QCOMPARE(cache.GetProductStatus(1, product), qint16(2));
        QCOMPARE(cache.GetProductVersionPublished(1, product), qint16(1));
        QCOMPARE(cache.GetProductStatus(2, product), qint16(1));
        QCOMPARE(cache.GetProductVersionPublished(2, product), qint16(0));
        QCOMPARE(cache.GetProductStatus(3, product), qint16(0));
        QCOMPARE(cache.GetProductStatus(3, other), qint16(0)); // only the asked product was read
        QCOMPARE(cache.GetProductStatus(99, product), qint16(0));
    }

    // The latest status write, also where the stored text of the earlier one has more digits in a field.
    void lastOperationIsTheLatestStatusWrite_data() {
        QTest::addColumn<QDateTime>("earlier");
        QTest::addColumn<QDateTime>("later");
        QTest::newRow("September to October")
            << QDateTime(QDate(2012, 9, 30), QTime(23, 59, 59)) << QDateTime(QDate(2012, 10, 1), QTime(0, 0));
        QTest::newRow("December to January")
            << QDateTime(QDate(2012, 12, 31), QTime(23, 59, 59)) << QDateTime(QDate(2013, 1, 1), QTime(0, 0, 1));
        QTest::newRow("9 to 10 o'clock") << QDateTime(QDate(2012, 5, 5), QTime(9, 59, 59))
                                         << QDateTime(QDate(2012, 5, 5), QTime(10, 0));
    }
    void lastOperationIsTheLatestStatusWrite() {
        QFETCH(QDateTime, earlier);
        QFETCH(QDateTime, later);
        TestProgramDir dir;
        QVERIFY(!LastOperationDate().isValid());
        SeedSite("a");
        SeedSite("b");
        SeedProduct("P");
        FixedClock clock(later);
        RecordStatusChange(1, 1, 1);
        clock.set(earlier);
        RecordStatusChange(2, 1, 1);
        QCOMPARE(LastOperationDate(), later);
    }
};

QUILL_TEST_MAIN(tst_StatusStore)
#include "tst_StatusStore.moc"
