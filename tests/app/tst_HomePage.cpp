#include "HomePage.h"
#include "Seed.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"

#include <QTest>
#include <QXmlStreamReader>

using Rows = QList<QList<int>>;

class tst_HomePage final : public QObject {
    Q_OBJECT

private slots:
    // Sites 1..sites and products P1, P2, then status rows {site, product, status, old}, then the deleted sites. Each
    // row: product submitted published remaining % old %.
    void productRowsCountExistingSites_data() {
        QTest::addColumn<int>("sites");
        QTest::addColumn<Rows>("statuses");
        QTest::addColumn<QList<int>>("deleted");
        QTest::addColumn<QString>("rows");
        const Rows seven = {{1, 1, 1, 1}, {2, 1, 2, 1}, {3, 1, 0, 1}, {1, 2, 2, 0}};
        const Rows six = {{1, 1, 1, 0}, {2, 1, 2, 1}, {3, 1, 1, 0}, {4, 1, 2, 0}, {5, 1, 1, 1}, {6, 1, 2, 1}};
        QTest::newRow("counts") << 7 << seven << QList<int>{} << "P1 1 1 5 71 3 43|P2 0 1 6 86 0 0";
        QTest::newRow("sites deleted") << 6 << six << QList<int>{1, 3, 6} << "P1 1 2 0 0 2 67|P2 0 0 3 100 0 0";
        QTest::newRow("no sites") << 6 << six << QList<int>{1, 2, 3, 4, 5, 6} << "P1 0 0 0 0 0 0|P2 0 0 0 0 0 0";
    }
    void productRowsCountExistingSites() {
        QFETCH(int, sites);
        QFETCH(Rows, statuses);
        QFETCH(QList<int>, deleted);
        QFETCH(QString, rows);
        TestProgramDir dir;
        for (int i = 1; i <= sites; ++i)
            SeedSite(QString("http://s%1.example/").arg(i));
        SeedProduct("P1");
        SeedProduct("P2");
        for (const QList<int>& row : statuses)
            SeedStatus(row[0], row[1], row[2], row[3] == 1);
        for (const int site : deleted)
            dir.sql("DELETE FROM tab_sites WHERE siteID = ?", {site});
        MsgBoxSpy boxes;
        // Archives made before the site index existed count the same way.
        for (const bool siteIndex : {true, false}) {
            if (!siteIndex)
                dir.sql("DROP INDEX ix_productStatus_site");
            const QString page = HomePageHtml(QString());
            QVERIFY(boxes.shown().isEmpty());
            // Without sites the page says how to bring them in.
            QCOMPARE(page.contains("No PAD sites in archive."), deleted.size() == sites);
            QCOMPARE(page.count("<TR BGCOLOR='#000044'>"), rows.count('|') + 1);
            for (const QString& row : rows.split('|')) {
                const QStringList v = row.split(' ');
                const QString html = QString("<TR BGCOLOR='#000044'><TD>%1 </TD><TD> %2</TD><TD>%3</TD>"
                                             "<TD><font color='red'>%4 (%5%)</font></TD><TD>%6 (%7%)</TD><TD><svg")
                                         .arg(v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
                // The bar beside the numbers draws the same counts.
                QVERIFY(page.contains(QString("%1 published, %2 submitted, %3 remaining").arg(v[2], v[1], v[3])));
                QVERIFY2(page.contains(html), qPrintable(html));
            }
        }
    }

    void namesAndMessagesNeverBecomeMarkup() {
        TestProgramDir dir;
        SeedProduct("<script>alert('x')</script> %1 & Grüße");
        const QString page = HomePageHtml("Loading web pad site URL: http://x.example/?a=1&b=<b>");
        QVERIFY(!page.contains("<script>"));
        QVERIFY(page.contains("&lt;script&gt;alert('x')&lt;/script&gt; %1 &amp; Grüße "));
        QVERIFY(page.contains("<center>Loading web pad site URL: http://x.example/?a=1&amp;b=&lt;b&gt;</center>"));
    }

    // Status changes (not notes) of the last twelve weeks, the current one last; every drawing is well-formed XML.
    void chartCountsTheLastTwelveWeeks() {
        TestProgramDir dir;
        FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(12, 0)));
        SeedSite("http://s.example/");
        SeedProduct("P1");
        dir.sql("INSERT INTO tab_productHistory (siteID, productID, submitStatus, version, opDate) VALUES "
                "(1, 1, 1, '1', '2026-12-07 09:00:00'), (1, 1, 1, '1', '2026-12-01 09:00:00'), "
                "(1, 1, 1, '1', '2026-11-30 23:59:59'), (1, 1, 1, '1', '2026-09-15 00:00:00'), "
                "(1, 1, 1, '1', '2026-09-14 23:59:59'), (1, 1, -1, '1', '2026-12-07 10:00:00')");
        const QString page = HomePageHtml(QString());
        QStringList weeks;
        for (qsizetype at = page.indexOf("<title>"); at >= 0; at = page.indexOf("<title>", at + 1))
            weeks << page.mid(at + 7, page.indexOf('<', at + 7) - at - 7);
        QCOMPARE(weeks.join(' '), "1 0 0 0 0 0 0 0 0 0 1 2");
        for (qsizetype at = page.indexOf("<svg"); at >= 0; at = page.indexOf("<svg", at + 1)) {
            QXmlStreamReader svg(page.mid(at, page.indexOf("</svg>", at) + 6 - at));
            while (!svg.atEnd())
                svg.readNext();
            QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        }
    }
};

QUILL_TEST_MAIN(tst_HomePage)
#include "tst_HomePage.moc"
