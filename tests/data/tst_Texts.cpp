#include "DateText.h"
#include "SiteImport.h"
#include "TestMain.h"

#include <QLocale>
#include <QScopeGuard>
#include <QTest>

using namespace SiteImport;

// A site list's first row and the date texts. A list's lines, encodings and inserts are tested with tst_frmSiteImport.
class tst_Texts final : public QObject {
    Q_OBJECT

private slots:
    // The first row needs a character before its separator; a UTF-8 mark is no part of the first name.
    void importFirstRowAndMark() {
        QVERIFY(FirstRowHasSeparator("N;a/", ';') && !FirstRowHasSeparator(";a/", ';'));
        QCOMPARE(Decode("\xEF\xBB\xBF\xC3\xBC;b"), QString("ü;b"));
    }

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
