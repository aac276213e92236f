#include "SiteImport.h"
#include "TestMain.h"
#include "TestProgramDir.h"

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
        // Windows-1252 and little-endian UTF-16 are tst_frmSiteImport's; here the big-endian byte order mark.
        QCOMPARE(Decode(QByteArray("\xFE\xFF\0\xE9\0\t\x20\xAC", 8)), QString("é\t€"));
    }

    void firstRowNeedsTheSeparatorAfterItsFirstCharacter_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<bool>("found");
        QTest::newRow("name and address") << "Name;http://a.example" << QChar(';') << true;
        QTest::newRow("empty name, then a separator") << ";;x" << QChar(';') << true;
        QTest::newRow("separator only first") << ";http://a.example" << QChar(';') << false;
        QTest::newRow("another separator") << "Name;http://a.example" << QChar('\t') << false;
        QTest::newRow("no separator") << "Name http://a.example" << QChar(',') << false;
        QTest::newRow("empty row") << "" << QChar(';') << false;
    }
    void firstRowNeedsTheSeparatorAfterItsFirstCharacter() {
        QFETCH(QString, row);
        QFETCH(QChar, separator);
        QFETCH(bool, found);
        QCOMPARE(FirstRowHasSeparator(row, separator), found);
    }

    void insertedRowsHaveNameAddressAndDateOnly() {
        TestProgramDir dir;
        {
            Inserter inserter;
            inserter.Insert({"O'Brien's", "www.o.example"});
            inserter.Insert({"Grüße", "http://g.example/"});
        }
        // Name, address and insert date are checked by tst_frmSiteImport; the rest stays unset.
        QCOMPARE(dir.scalar("SELECT count(*) FROM tab_sites WHERE rank IS NULL AND bookmark = 0 AND updateDate IS NULL "
                            "AND insertDate IS NOT NULL")
                     .toInt(),
                 2);
    }
};

QUILL_TEST_MAIN(tst_SiteImport)
#include "tst_SiteImport.moc"
