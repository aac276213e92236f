#include "BrowserQueries.h"
#include "Failure.h"
#include "Seed.h"
#include "TestProgramDir.h"

#include <QTest>

class tst_BrowserQueries final : public QObject {
    Q_OBJECT

private slots:
    void homePageTellsMissingRowFromNullAndEmpty() {
        TestProgramDir dir;
        const qint32 none = SeedSite("http://a.example/");
        const qint32 empty = SeedSite("http://b.example/", {{"homePage", ""}});
        const qint32 set = SeedSite("http://c.example/", {{"homePage", "www.c.example/o'brien"}});
        QVERIFY(ReadSiteHomePage(none).has_value());
        QVERIFY(ReadSiteHomePage(none)->isNull());
        QVERIFY(!ReadSiteHomePage(empty)->isNull());
        QCOMPARE(ReadSiteHomePage(empty)->toString(), QString());
        QCOMPARE(ReadSiteHomePage(set)->toString(), QString("www.c.example/o'brien"));
        QVERIFY(!ReadSiteHomePage(set + 100));
    }

    void productColumnReadsOnlyProductColumns() {
        TestProgramDir dir;
        const qint32 product = SeedProduct("Tool 'X'", {{"shortDescription", "Short \"one\""}});
        QCOMPARE(ReadProductColumn(product, "name")->toString(), QString("Tool 'X'"));
        QCOMPARE(ReadProductColumn(product, "shortDescription")->toString(), QString("Short \"one\""));
        QVERIFY(ReadProductColumn(product, "longDescription")->isNull());
        QVERIFY(!ReadProductColumn(product + 100, "name"));

        for (const char* column : {"submitUrl", "name FROM tab_sites --", "", "productID"})
            QVERIFY_THROWS_EXCEPTION(Failure, ReadProductColumn(product, column));
    }
};

QTEST_GUILESS_MAIN(tst_BrowserQueries)
#include "tst_BrowserQueries.moc"
