#include "DateText.h"
#include "TestMain.h"

#include <QLocale>
#include <QScopeGuard>
#include <QTest>

class tst_DateText final : public QObject {
    Q_OBJECT

private slots:
    void programFormsHaveNoPadding_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("dateTime"); // the date form is its part before the blank
        QTest::newRow("morning") << QVariant(QDateTime(QDate(2012, 3, 5), QTime(9, 7, 3))) << "2012-3-5 9:7:3";
        QTest::newRow("afternoon") << QVariant(QDateTime(QDate(2012, 3, 5), QTime(14, 30))) << "2012-3-5 14:30:0";
        QTest::newRow("date only") << QVariant(QDate(2012, 12, 24)) << "2012-12-24 0:0:0";
        QTest::newRow("stored text") << QVariant(QString("2013-01-09 08:05:00")) << "2013-1-9 8:5:0";
        QTest::newRow("null") << QVariant() << "";
        QTest::newRow("word") << QVariant(QString("tomorrow")) << "";
        QTest::newRow("number") << QVariant(42) << "";
        QTest::newRow("no such day") << QVariant(QString("2013-02-31")) << "";
    }
    void programFormsHaveNoPadding() {
        QFETCH(QVariant, value);
        QFETCH(QString, dateTime);
        QCOMPARE(DateTimeToText(value), dateTime);
        QCOMPARE(DateToText(value), dateTime.section(' ', 0, 0));
    }

    void storedFormsOrderChronologicallyAndReadBack() {
        // Text order must be time order across month and year boundaries.
        const QList<QDateTime> moments{{QDate(2012, 9, 30), QTime(23, 59, 59)},
                                       {QDate(2012, 10, 1), QTime(0, 0)},
                                       {QDate(2013, 1, 1), QTime(9, 0)}};
        QStringList stored;
        for (const QDateTime& moment : moments) {
            stored << DbDateTimeText(moment);
            QCOMPARE(DbReadDateTime(stored.last()), moment);
        }
        QStringList sorted = stored;
        sorted.sort();
        QCOMPARE(sorted, stored);
        QCOMPARE(stored[0], QString("2012-09-30 23:59:59"));
        QCOMPARE(DbDateText(QDate(2012, 3, 5)), QString("2012-03-05"));
        QCOMPARE(DbReadDateTime(QString("2020-02-29")), QDate(2020, 2, 29).startOfDay());
        QVERIFY(!DbReadDateTime(QVariant()).isValid());
        QVERIFY(!DbReadDateTime(QString("garbage")).isValid());
    }

    void displayLeavesOutMidnight() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
        QCOMPARE(DateTimeDisplayText(QDate(2012, 3, 5).startOfDay()), QString("3/5/12"));
        const QString withTime = DateTimeDisplayText(QDateTime(QDate(2012, 3, 5), QTime(14, 30, 7)));
        QVERIFY2(withTime.startsWith("3/5/12 2:30:07"), qPrintable(withTime));
        QVERIFY(DateTimeDisplayText(QDateTime()).isEmpty());
    }
};

QUILL_TEST_MAIN(tst_DateText)
#include "tst_DateText.moc"
