#include "Seed.h"
#include "SiteCommands.h"
#include "TestProgramDir.h"

#include <QTest>

class tst_SiteCommands final : public QObject {
    Q_OBJECT

private slots:
    void toggleFlipsTheStoredMark() {
        TestProgramDir dir;
        const qint32 site = SeedSite("http://a.example/");
        QVERIFY(ToggleBookmark(site));
        QCOMPARE(dir.scalar("SELECT bookmark FROM tab_sites").toInt(), 1);
        QVERIFY(!ToggleBookmark(site));
        QCOMPARE(dir.scalar("SELECT bookmark FROM tab_sites").toInt(), 0);
        QVERIFY(ToggleBookmark(site + 50)); // no such site: nothing to update, reported as set
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_sites WHERE bookmark = 1").toInt(), 0);
    }

    void clearingReachesEverySite() {
        TestProgramDir dir;
        SeedSite("http://a.example/", {{"bookmark", 1}});
        SeedSite("http://b.example/", {{"bookmark", 1}});
        ClearAllBookmarks();
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_sites WHERE bookmark = 1").toInt(), 0);
    }

    void deletingKeepsStatusAndHistory() {
        TestProgramDir dir;
        const qint32 a = SeedSite("http://a.example/");
        const qint32 b = SeedSite("http://b.example/");
        const qint32 c = SeedSite("http://c.example/");
        SeedStatus(a, 1, 1);
        DeleteSites({a, c});
        QCOMPARE(dir.scalar("SELECT GROUP_CONCAT(siteID) FROM tab_sites").toString(), QString::number(b));
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_productStatus").toInt(), 1);
        DeleteSites({});
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_sites").toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_SiteCommands)
#include "tst_SiteCommands.moc"
