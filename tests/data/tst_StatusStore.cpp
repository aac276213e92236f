#include "DbError.h"
#include "Seed.h"
#include "StatusCache.h"
#include "StatusQueries.h"
#include "TestMain.h"
#include "TestProgramDir.h"

#include <QTest>

// The counts of the home page, a change for a deleted site or product and the null version are tested with the
// home page, the status changes and the history window.
class tst_StatusStore final : public QObject {
    Q_OBJECT

private slots:
    void cacheAnswersPerPairAndFirstRowWins() {
        TestProgramDir dir;
        SeedStatus(1, 1, 2, true);
        SeedStatus(1, 1, 0, false); // a second row for the pair: never written by the program
        SeedStatus(2, 1, 1, false);
        SeedStatus(3, 2, 2, true);
        StatusCache cache;
        cache.SetProductStatus(1);
        const QList<qint16> answers{cache.GetProductStatus(1, 1), cache.GetProductVersionPublished(1, 1),
                                    cache.GetProductStatus(2, 1), cache.GetProductVersionPublished(2, 1),
                                    cache.GetProductStatus(3, 2)}; // only the asked product was read
        QCOMPARE(answers, (QList<qint16>{2, 1, 1, 0, 0}));
    }

    // The status row and its log row are stored together or not at all.
    void statusChangeIsStoredWholeOrNotAtAll() {
        TestProgramDir dir;
        SeedSite("http://a.example/");
        SeedProduct("P");
        SeedStatus(1, 1, 1);
        dir.sql("CREATE TRIGGER refuse BEFORE INSERT ON tab_productHistory BEGIN SELECT RAISE(ABORT, 'full'); END");
        QVERIFY_THROWS_EXCEPTION(DbError, RecordStatusChange(1, 1, 2));
        QCOMPARE(dir.scalar("SELECT submitStatus FROM tab_productStatus").toInt(), 1);
        dir.sql("DROP TRIGGER refuse");
        QCOMPARE(RecordStatusChange(1, 1, 2), QString("http://a.example/"));
        QCOMPARE(dir.scalar("SELECT s.submitStatus || h.submitStatus FROM tab_productStatus s, tab_productHistory h")
                     .toString(),
                 QString("22"));
    }
};

QUILL_TEST_MAIN(tst_StatusStore)
#include "tst_StatusStore.moc"
