#include "DbConnection.h"
#include "DbError.h"
#include "TestProgramDir.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

class tst_DbConnection final : public QObject {
    Q_OBJECT

private slots:
    void hostileTextRoundTripsUnchanged_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("apostrophes") << "O'Brien's Downloads";
        QTest::newRow("quotes") << "say \"hi\" and ''quoted''";
        QTest::newRow("wildcards") << "100% free_ware";
        QTest::newRow("statement end") << "x'; DROP TABLE tab_sites; --";
        QTest::newRow("non-ascii") << "Grüße aus Köln – 日本語 ✓";
        QTest::newRow("empty") << "";
    }
    void hostileTextRoundTripsUnchanged() {
        QFETCH(QString, text);
        TestProgramDir dir;
        DbConnection db;
        const qint64 id = db.insert("INSERT INTO tab_sites (name, submitUrl) VALUES (?, ?)", {text, text});
        QVERIFY(id > 0);
        QSqlQuery q = db.query("SELECT name, submitUrl FROM tab_sites WHERE siteID = ?", {id});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), text);
        QCOMPARE(q.value(1).toString(), text);
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_sites").toInt(), 1);
    }

    void likeSearchTreatsApostropheAsText() {
        TestProgramDir dir;
        DbConnection db;
        db.execute("INSERT INTO tab_sites (submitUrl) VALUES ('http://a.example/o''brien'), ('http://b.example/')");
        QSqlQuery q = db.query("SELECT COUNT(*) FROM tab_sites WHERE submitUrl LIKE '%' || ? || '%'", {"O'BRIEN"});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 1);
    }

    void columnNamesMatchWithoutRegardToCase() {
        TestProgramDir dir;
        DbConnection db;
        db.execute("INSERT INTO tab_sites (NAME, SubmitUrl, HomePage) VALUES ('n', 'u', 'h')");
        QSqlQuery q = db.query("SELECT submitURL, homepage FROM TAB_SITES");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QString("u"));
    }

    void executeCountsChangedRows() {
        TestProgramDir dir;
        DbConnection db;
        for (int i = 0; i < 3; ++i)
            db.execute("INSERT INTO tab_sites (name) VALUES (?)", {QString::number(i)});
        QCOMPARE(db.execute("UPDATE tab_sites SET bookmark = 1 WHERE siteID IN (" + SqlIdList({1, 3, 99}) + ") "), 2);
        QCOMPARE(db.execute("DELETE FROM tab_sites WHERE siteID = ?", {42}), 0);
    }

    void idListIsBuiltFromIntegersOnly() {
        QCOMPARE(SqlIdList({12, 7, -3}), QString(" 12, 7, -3"));
        QCOMPARE(SqlIdList({}), QString());
    }

    void booleansAreNeverNull() {
        TestProgramDir dir;
        DbConnection db;
        db.execute("INSERT INTO tab_sites (name, submitUrl, insertDate) VALUES ('a', 'b', '2012-03-05 09:07:03')");
        QSqlQuery q = db.query("SELECT autoUpdate, authReq, bookmark, updateDate FROM tab_sites");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt() + q.value(1).toInt() + q.value(2).toInt(), 0);
        QVERIFY(q.value(3).isNull());
        QVERIFY_THROWS_EXCEPTION(DbError, db.execute("INSERT INTO tab_sites (bookmark) VALUES (NULL)"));
    }

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
        DbConnection db;
        db.execute("INSERT INTO tab_products (name) VALUES ('x')");
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

    void missingTableAndBadStatementThrow() {
        TestProgramDir dir;
        DbConnection db;
        QVERIFY_THROWS_EXCEPTION(DbError, db.query("SELECT * FROM tab_nothing"));
        QVERIFY_THROWS_EXCEPTION(DbError, db.execute("UPDATE SET nothing"));
    }

    void readOnlyDatabaseRefusesWrites() {
        TestProgramDir dir;
        QFile::setPermissions(dir.dbPath(), QFileDevice::ReadOwner);
        if (QFile(dir.dbPath()).open(QIODevice::ReadWrite))
            QSKIP("this user can write read-only files (root): see lockedDatabaseRefusesWrites");
        QVERIFY_THROWS_EXCEPTION(DbError, [] {
            DbConnection db;
            db.execute("INSERT INTO tab_products (name) VALUES ('x')");
        }());
    }

    void lockedDatabaseRefusesWrites() {
        TestProgramDir dir;
        DbConnection other;
        other.execute("BEGIN EXCLUSIVE");
        DbConnection db;
        QVERIFY_THROWS_EXCEPTION(DbError, db.execute("INSERT INTO tab_products (name) VALUES ('x')"));
        other.execute("ROLLBACK");
        QCOMPARE(db.execute("INSERT INTO tab_products (name) VALUES ('x')"), 1);
    }
};

QTEST_GUILESS_MAIN(tst_DbConnection)
#include "tst_DbConnection.moc"
