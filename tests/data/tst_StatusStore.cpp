#include "ArchiveTotals.h"
#include "DateText.h"
#include "DbConnection.h"
#include "Seed.h"
#include "StatusCache.h"
#include "StatusQueries.h"
#include "TestProgramDir.h"

#include <QSqlQuery>
#include <QTest>

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

    void lookupsSayWhenTheRowIsMissing() {
        TestProgramDir dir;
        const qint32 product = SeedProduct("P", {{"version", "1.0 'beta'"}});
        const qint32 noVersion = SeedProduct("N");
        const qint32 site = SeedSite("http://o'brien.example/submit");
        QCOMPARE(ReadProductVersion(product), QString("1.0 'beta'"));
        QCOMPARE(ReadProductVersion(noVersion), QString());
        QCOMPARE(ReadProductVersion(product + 100), QString("?.??"));
        QCOMPARE(ReadSitePadByID(site), QString("http://o'brien.example/submit"));
        QCOMPARE(ReadSitePadByID(site + 100), QString("?.??"));
    }

    void historyRowKeepsTheVersionTextAndNullNotes() {
        TestProgramDir dir;
        AppendProductHistory(4, 5, 1, "1.0 'beta'");
        DbConnection db;
        QSqlQuery q =
            db.query("SELECT siteID, productID, submitStatus, version, opDate, notes FROM tab_productHistory");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 4);
        QCOMPARE(q.value(2).toInt(), 1);
        QCOMPARE(q.value(3).toString(), QString("1.0 'beta'"));
        QVERIFY(qAbs(QDateTime::currentDateTime().secsTo(DbReadDateTime(q.value(4)))) < 60);
        QVERIFY(q.value(5).isNull());
    }

    void totalsCountOnlyExistingProducts() {
        TestProgramDir dir;
        const qint32 product = SeedProduct("P");
        for (int i = 0; i < 3; ++i)
            SeedSite(QString("http://s%1.example").arg(i));
        SeedStatus(1, product, 1, true, "2012-09-30 23:00:00");
        SeedStatus(2, product, 1, false, "2012-10-01 08:00:00");
        SeedStatus(3, product, 2, true, "2012-10-01 07:59:59");
        SeedStatus(1, product + 1, 2, true, "2011-01-01 00:00:00"); // a deleted product's row
        QCOMPARE(CountSites(), 3);
        QCOMPARE(CountProducts(), 1);
        QCOMPARE(CountProductStatus(product, 1), 2);
        QCOMPARE(CountProductStatus(product, 2), 1);
        QCOMPARE(CountProductStatus(product, 0), 0);
        QCOMPARE(CountProductOldVersion(product), 2);
        QCOMPARE(CountProductOldVersion(product + 1), 0);
        QCOMPARE(LastOperationDate(), QDateTime(QDate(2012, 10, 1), QTime(8, 0, 0)));
    }

    void noStatusRowsMeansNoLastOperation() {
        TestProgramDir dir;
        QVERIFY(!LastOperationDate().isValid());
    }
};

QTEST_GUILESS_MAIN(tst_StatusStore)
#include "tst_StatusStore.moc"
