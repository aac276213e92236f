#include "EditorValues.h"
#include "Failure.h"

#include <QTest>

#include <cmath>

class tst_EditorValues final : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("none") << "abc" << 0.0;
        QTest::newRow("letters after") << "12abc" << 12.0;
        QTest::newRow("blanks before") << " \t 7 KB" << 7.0;
        QTest::newRow("point first") << ".25" << 0.25;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2;
        QTest::newRow("comma ends it") << "1,024" << 1.0;
        QTest::newRow("signed") << "-3x" << -3.0;
        QTest::newRow("exponent") << "2e3" << 2000.0;
        QTest::newRow("exponent without digits") << "2e" << 2.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(LeadingNumber(text), number);
    }

    // -1 stands for "Overflow".
    void rank_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rank");
        QTest::newRow("pasted with letters") << "12abc" << 12;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("half to even") << "2.5" << 2;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("smallest") << "-32768" << -32768;
        QTest::newRow("40000") << "40000" << -1;
        QTest::newRow("rounds beyond") << "32767.5" << -1;
        QTest::newRow("beyond doubles") << "1e999" << -1;
    }
    void rank() {
        QFETCH(QString, text);
        QFETCH(int, rank);
        try {
            QCOMPARE(int(RankFromText(text)), rank);
        } catch (const Failure& e) {
            QCOMPARE(e.description(), QString("Overflow"));
            QCOMPARE(rank, -1);
        }
    }

    void sizePair_data() {
        QTest::addColumn<QString>("kb");
        QTest::addColumn<QString>("bytes");
        QTest::addColumn<QString>("kbBack");
        QTest::newRow("whole") << "15"
                               << "15360"
                               << "15";
        QTest::newRow("empty") << ""
                               << "0"
                               << "0";
        QTest::newRow("1.5 to even 2") << "1.5"
                                       << "1536"
                                       << "2";
        QTest::newRow("2.5 to even 2") << "2.5"
                                       << "2560"
                                       << "2";
        QTest::newRow("fraction, no exponent") << "0.001"
                                               << "1.024"
                                               << "0";
        QTest::newRow("text after the number") << "1,024"
                                               << "1024"
                                               << "1";
        QTest::newRow("beyond 16 bits") << "39062.5"
                                        << "40000000"
                                        << "39062";
    }
    void sizePair() {
        QFETCH(QString, kb);
        QFETCH(QString, bytes);
        QFETCH(QString, kbBack);
        QCOMPARE(BytesTextForKB(kb), std::optional<QString>(bytes));
        QCOMPARE(KBTextForBytes(bytes), std::optional<QString>(kbBack));
    }

    void sizesBeyondDoublesGiveNoText() {
        QVERIFY(std::isinf(LeadingNumber("9e999")));
        QVERIFY(!BytesTextForKB("1e308"));
        QVERIFY(!KBTextForBytes("1e999"));
        QCOMPARE(KBTextForBytes("-100"), std::optional<QString>("0")); // no "-0"
    }

    void lineBreaksCountTwice() { QCOMPARE(CountedLength("a\nb\n"), 6); }
};

QTEST_GUILESS_MAIN(tst_EditorValues)
#include "tst_EditorValues.moc"
