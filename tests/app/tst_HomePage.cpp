#include "HomePage.h"
#include "Seed.h"
#include "TestProgramDir.h"

#include <QTest>

class tst_HomePage final : public QObject {
    Q_OBJECT

private slots:
    void percentagesRoundHalfAwayFromZero_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("sites");
        QTest::addColumn<qint64>("percent");
        QTest::newRow("1 of 8") << 1 << 8 << qint64(13);
        QTest::newRow("2 of 8") << 2 << 8 << qint64(25);
        QTest::newRow("5 of 7") << 5 << 7 << qint64(71);
        QTest::newRow("3 of 7") << 3 << 7 << qint64(43);
        QTest::newRow("-1 of 8") << -1 << 8 << qint64(-13);
        QTest::newRow("no sites") << 4 << 0 << qint64(0);
    }
    void percentagesRoundHalfAwayFromZero() {
        QFETCH(int, count);
        QFETCH(int, sites);
        QFETCH(qint64, percent);
        QCOMPARE(PercentOfSites(count, sites), percent);
    }

    void emptyArchiveInvitesToCreateProducts() {
        TestProgramDir dir;
        const QString page = HomePageHtml(QString());
        QVERIFY(page.contains("<p>Total PAD sites in archive: 0</p><p>Products in archive: 0</p>"));
        QVERIFY(page.contains("No products in archive.  Use the 'New' button below"));
        QVERIFY(!page.contains("<TABLE") && !page.contains("Last operation date time"));
        QVERIFY(page.contains("<b>Version 5.2</b><br>Build 14-207"));
        QVERIFY(page.endsWith("</BODY></HTML>"));
    }

    void productRowsCountTheirSites() {
        TestProgramDir dir;
        for (int i = 0; i < 7; ++i)
            SeedSite(QString("http://s%1.example/").arg(i));
        const qint32 p = SeedProduct("Alpha");
        SeedStatus(1, p, 1, true);
        SeedStatus(2, p, 2, true);
        SeedStatus(3, p, 0, true, "2013-01-01 00:00:00");
        const QString page = HomePageHtml(QString());
        QVERIFY(page.contains("<TR BGCOLOR='#000044'><TD>Alpha </TD><TD> 1</TD><TD>1</TD>"
                              "<TD><font color='red'>5 (71%)</font></TD><TD>3 (43%)</TD></TR>"));
        QVERIFY(page.contains("Last operation date time: "));
        QVERIFY(!page.contains("No products in archive."));

        // Statuses of a site that is gone: no division by zero, a negative count.
        dir.sql("DELETE FROM tab_sites");
        QVERIFY(HomePageHtml(QString()).contains("<font color='red'>-2 (0%)</font></TD><TD>3 (0%)</TD>"));
    }

    void namesAndMessagesNeverBecomeMarkup() {
        TestProgramDir dir;
        SeedProduct("<script>alert('x')</script> %1 & Grüße");
        const QString page = HomePageHtml("Loading web pad site URL: http://x.example/?a=1&b=<b>");
        QVERIFY(!page.contains("<script>"));
        QVERIFY(page.contains("&lt;script&gt;alert('x')&lt;/script&gt; %1 &amp; Grüße "));
        QVERIFY(page.contains("<center>Loading web pad site URL: http://x.example/?a=1&amp;b=&lt;b&gt;</center>"));
    }

    void brokenArchiveFailsTheWholePage() {
        TestProgramDir dir;
        SeedProduct("Alpha");
        dir.sql("DROP TABLE tab_productStatus");
        QVERIFY_THROWS_EXCEPTION(std::exception, HomePageHtml(QString()));
    }
};

QTEST_MAIN(tst_HomePage)
#include "tst_HomePage.moc"
