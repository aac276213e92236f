#include "Failure.h"
#include "SiteImport.h"
#include "TestMain.h"

#include <QTest>

using namespace SiteImport;

// Line ends, Windows-1252, UTF-16 and the inserts are tested with tst_frmSiteImport.
class tst_SiteImport final : public QObject {
    Q_OBJECT

private slots:
    void utf8MarkIsNoPartOfTheFirstName() { QCOMPARE(Decode("\xEF\xBB\xBF\xC3\xBC;b"), QString("ü;b")); }

    // A line needs a name and an address; the first row also needs a character before its separator.
    void lineNeedsTwoFields_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("site"); // name|address; empty when the line is refused
        QTest::addColumn<bool>("firstRow");
        QTest::newRow("two fields") << "Name;http://a.example" << QChar(';') << "Name|http://a.example" << true;
        QTest::newRow("blanks kept, third field ignored") << " A \t b\tc" << QChar('\t') << " A | b" << true;
        QTest::newRow("no name") << ";http://a.example" << QChar(';') << "|http://a.example" << false;
        QTest::newRow("one field") << "Name http://a.example" << QChar(',') << "" << false;
        QTest::newRow("other separator") << "Name;http://a.example" << QChar('\t') << "" << false;
    }
    void lineNeedsTwoFields() {
        QFETCH(QString, line);
        QFETCH(QChar, separator);
        QFETCH(QString, site);
        QFETCH(bool, firstRow);
        QCOMPARE(FirstRowHasSeparator(line, separator), firstRow);
        if (site.isEmpty()) {
            QVERIFY_THROWS_EXCEPTION(Failure, ParseLine(line, separator));
            return;
        }
        const Site parsed = ParseLine(line, separator);
        QCOMPARE(parsed.name + '|' + parsed.submitUrl, site);
    }
};

QUILL_TEST_MAIN(tst_SiteImport)
#include "tst_SiteImport.moc"
