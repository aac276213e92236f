#include "DateText.h"
#include "TestMain.h"

#include <QLocale>
#include <QScopeGuard>
#include <QTest>

class tst_DateText final : public QObject {
    Q_OBJECT

private slots:
    // The program's forms and the stored forms are the same under a locale with its own digits and date order.
    void formsAreTheSameInEveryLocale() {
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
    }

    void displayFollowsTheLocaleAndLeavesOutMidnight() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
        QCOMPARE(DateTimeDisplayText(QDate(2012, 3, 5).startOfDay()), QString("3/5/12"));
        QVERIFY(DateTimeDisplayText(QDateTime(QDate(2012, 3, 5), QTime(14, 30, 7))).startsWith("3/5/12 2:30:07"));
        QVERIFY(DateTimeDisplayText(QDateTime()).isEmpty());
    }
};

QUILL_TEST_MAIN(tst_DateText)
#include "tst_DateText.moc"
