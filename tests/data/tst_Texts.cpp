#include "DateText.h"
#include "Failure.h"
#include "SiteImport.h"
#include "TestMain.h"

#include <QLocale>
#include <QScopeGuard>
#include <QTest>

using namespace SiteImport;

// A site list's lines and the date texts. A list's line ends, encodings and inserts are tested with tst_frmSiteImport.
class tst_Texts final : public QObject {
    Q_OBJECT

private slots:
    // A line needs a name and an address; the first row also needs a character before its separator.
    void importLineNeedsTwoFields_data() {
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
    void importLineNeedsTwoFields() {
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

    void importUtf8MarkIsNoPartOfTheFirstName() { QCOMPARE(Decode("\xEF\xBB\xBF\xC3\xBC;b"), QString("ü;b")); }

    // The program's forms and the stored forms are the same under a locale with its own digits and date order; the
    // shown form follows the locale and leaves out midnight.
    void dateTextsAreLocaleFreeButTheShownOne() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
        const QDateTime moment(QDate(2012, 3, 5), QTime(9, 7, 3));
        QCOMPARE(DateTimeToText(moment), QString("2012-3-5 9:7:3"));
        QCOMPARE(DateToText(QDate(2012, 12, 24)), QString("2012-12-24"));
        QCOMPARE(DateTimeToText(QString("2013-01-09 18:05:00")), QString("2013-1-9 18:5:0"));
        QCOMPARE(DbDateTimeText(moment), QString("2012-03-05 09:07:03"));
        QCOMPARE(DbReadDateTime(DbDateTimeText(moment)), moment);
        QCOMPARE(DbReadDateTime(DbDateText(QDate(2020, 2, 29))), QDate(2020, 2, 29).startOfDay());
        for (const QVariant& none : {QVariant(), QVariant("tomorrow"), QVariant("2013-02-31")})
            QVERIFY(DateTimeToText(none).isEmpty() && DateToText(none).isEmpty() && !DbReadDateTime(none).isValid());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(DateTimeDisplayText(moment.date().startOfDay()), QString("3/5/12"));
        QVERIFY(DateTimeDisplayText(moment).startsWith("3/5/12 9:07:03"));
    }
};

QUILL_TEST_MAIN(tst_Texts)
#include "tst_Texts.moc"
