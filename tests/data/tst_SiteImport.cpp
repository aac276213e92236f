#include "DbConnection.h"
#include "Failure.h"
#include "SiteImport.h"
#include "TestProgramDir.h"

#include <QSqlQuery>
#include <QTest>

using namespace SiteImport;

class tst_SiteImport final : public QObject {
    Q_OBJECT

private slots:
    void linesEndAtAnyLineEnd() {
        QCOMPARE(SplitLines("a\r\nb\rc\nd"), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(SplitLines("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
        QCOMPARE(SplitLines(""), QStringList());
        QCOMPARE(SplitLines("\n"), QStringList{""});
    }

    void textIsUtf8WhenValidElseWindows1252() {
        QCOMPARE(Decode("Gr\xC3\xBC\xC3\x9F"
                        "e;\xE6\x97\xA5"),
                 QString("Grüße;日"));
        QCOMPARE(Decode("\xEF\xBB\xBFname;url"), QString("name;url"));
        // Bytes that cannot be UTF-8: Windows-1252, where 0x80 is the euro sign and 0x93/0x94 curly quotes.
        QCOMPARE(Decode("Caf\xE9 \x80 \x93q\x94"), QString("Café € “q”"));
        // A byte order mark for UTF-16 (spreadsheets' "Unicode text"), either byte order.
        QCOMPARE(Decode(QByteArray("\xFF\xFE\xE9\0\t\0\xAC\x20", 8)), QString("é\t€"));
        QCOMPARE(Decode(QByteArray("\xFE\xFF\0\xE9\0\t\x20\xAC", 8)), QString("é\t€"));
    }

    void firstRowNeedsTheSeparatorAfterItsFirstCharacter() {
        QVERIFY(FirstRowHasSeparator("Name;http://a.example", ';'));
        QVERIFY(!FirstRowHasSeparator(";http://a.example", ';'));
        QVERIFY(FirstRowHasSeparator(";;x", ';'));
        QVERIFY(!FirstRowHasSeparator("Name;http://a.example", '\t'));
        QVERIFY(!FirstRowHasSeparator("", ','));
    }

    void fieldsAreTakenAsTheyStand() {
        const Site site = ParseLine("O'Brien's, www.o.example/add, ignored", ',');
        QCOMPARE(site.name, QString("O'Brien's"));
        QCOMPARE(site.submitUrl, QString(" www.o.example/add"));
        QVERIFY_THROWS_EXCEPTION(Failure, ParseLine("no separator here", ','));
        QVERIFY_THROWS_EXCEPTION(Failure, ParseLine("", '\t'));
    }

    void missingFileIsDescribed() {
        try {
            ReadLines("/nonexistent/list.txt");
            QFAIL("no failure");
        } catch (const Failure& e) {
            QVERIFY(e.description().startsWith("Cannot read /nonexistent/list.txt"));
        }
    }

    void insertedRowsHaveNameAddressAndDateOnly() {
        TestProgramDir dir;
        {
            Inserter inserter;
            inserter.Insert({"O'Brien's", "www.o.example"});
            inserter.Insert({"Grüße", "http://g.example/"});
        }
        DbConnection db;
        QSqlQuery q = db.query("SELECT name, submitUrl, insertDate, rank, bookmark, updateDate FROM tab_sites "
                               "ORDER BY siteID");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QString("O'Brien's"));
        QCOMPARE(q.value(1).toString(), QString("www.o.example"));
        QVERIFY(!q.value(2).isNull());
        QVERIFY(q.value(3).isNull());
        QCOMPARE(q.value(4).toInt(), 0);
        QVERIFY(q.value(5).isNull());
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QString("Grüße"));
    }
};

QTEST_GUILESS_MAIN(tst_SiteImport)
#include "tst_SiteImport.moc"
