#include "BrowserQueries.h"
#include "Failure.h"
#include "Seed.h"
#include "TestMain.h"
#include "TestProgramDir.h"

#include <QTest>

// A site's home page (missing row, null, empty) is tested with the main window's commands.
class tst_BrowserQueries final : public QObject {
    Q_OBJECT

private slots:
    void productColumnReadsOnlyProductColumns() {
        TestProgramDir dir;
        const qint32 product = SeedProduct("Tool 'X'", {{"shortDescription", "Short \"one\""}});
        QCOMPARE(ReadProductColumn(product, "shortDescription")->toString(), QString("Short \"one\""));
        QVERIFY(ReadProductColumn(product, "longDescription")->isNull());
        QVERIFY(!ReadProductColumn(product + 100, "name"));
        for (const char* column : {"submitUrl", "name FROM tab_sites --", "", "productID"})
            QVERIFY_THROWS_EXCEPTION(Failure, ReadProductColumn(product, column));
    }
};

QUILL_TEST_MAIN(tst_BrowserQueries)
#include "tst_BrowserQueries.moc"
