#include "DbConnection.h"
#include "DbError.h"
#include "TestMain.h"
#include "TestProgramDir.h"

#include <QFile>
#include <QTest>

// Bound values with apostrophes, quotes and characters beyond ASCII are tested with the record classes, changed-row
// counts and id lists with the status and site commands.
class tst_DbConnection final : public QObject {
    Q_OBJECT

private slots:
    void missingDatabaseIsAnErrorNotANewFile() {
        TestProgramDir dir(false);
        QVERIFY_THROWS_EXCEPTION(DbError, DbConnection());
        QVERIFY(!QFile::exists(dir.dbPath()));
    }

    void pathWithUriCharactersOpens() {
        TestProgramDir dir;
        const QString odd = dir.filePath("my #1 data?.db");
        QVERIFY(QFile::copy(dir.dbPath(), odd));
        gConnectionString = ConnectionStringFor(odd);
        {
            DbConnection db;
            db.execute("INSERT INTO tab_products (name) VALUES ('x')");
            QSqlQuery landed = db.query("SELECT COUNT(*) FROM tab_products");
            QVERIFY(landed.next());
            QCOMPARE(landed.value(0).toInt(), 1);
        }
        gConnectionString = ConnectionStringFor(dir.dbPath());
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_products").toInt(), 0);
    }

    void brokenDatabaseReportsTheDriversText() {
        TestProgramDir dir;
        dir.writeFile("kwz.db", QByteArray("this is not a database at all, just some text").repeated(200));
        try {
            DbConnection db;
            db.query("SELECT * FROM tab_sites");
            QFAIL("no failure");
        } catch (const DbError& e) {
            QVERIFY2(e.description().contains("not a database"), qPrintable(e.description()));
        }
    }

    void lockedDatabaseRefusesWritesUntilReleased() {
        TestProgramDir dir;
        DbConnection other;
        other.execute("BEGIN EXCLUSIVE");
        DbConnection db;
        QVERIFY_THROWS_EXCEPTION(DbError, db.execute("INSERT INTO tab_products (name) VALUES ('x')"));
        other.execute("ROLLBACK");
        QCOMPARE(db.execute("INSERT INTO tab_products (name) VALUES ('x')"), 1);
    }
};

QUILL_TEST_MAIN(tst_DbConnection)
#include "tst_DbConnection.moc"
