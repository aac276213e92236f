#include "DbConnection.h"
#include "DbError.h"
#include "TestMain.h"
#include "TestProgramDir.h"

#include <QFile>
#include <QTest>

// A transaction's roll-back is tested with the status store, bound values with the record classes.
class tst_DbConnection final : public QObject {
    Q_OBJECT

private slots:
    void missingDatabaseIsAnErrorWithTheDriversTextNotANewFile() {
        TestProgramDir dir(false);
        try {
            DbConnection db;
            QFAIL("no failure");
        } catch (const DbError& e) {
            QVERIFY2(e.description().contains("unable to open database"), qPrintable(e.description()));
        }
        QVERIFY(!QFile::exists(dir.dbPath()));
    }

    void oddFileNameOpensThatFile() {
        TestProgramDir dir;
        const QString odd = dir.filePath("my #1 'data' \"Grüße\" 日?.db");
        QVERIFY(QFile::copy(dir.dbPath(), odd));
        gConnectionString = ConnectionStringFor(odd);
        DbConnection().execute("INSERT INTO tab_products (name) VALUES ('x')");
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_products").toInt(), 1);
        gConnectionString = ConnectionStringFor(dir.dbPath());
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_products").toInt(), 0);
    }
};

QUILL_TEST_MAIN(tst_DbConnection)
#include "tst_DbConnection.moc"
