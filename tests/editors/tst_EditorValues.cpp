#include "EditorValues.h"
#include "Failure.h"
#include "TestMain.h"

#include <QTest>

#include <array>

class tst_EditorValues final : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("none") << "abc" << 0.0;
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

    // "Overflow" stands for the failure.
    void rank_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rank");
        const std::pair<const char*, const char*> rows[] = {{"12abc", "12"},
                                                            {"", "0"},
                                                            {"2.5", "2"},
                                                            {"32767", "32767"},
                                                            {"-32768", "-32768"},
                                                            {"40000", "Overflow"},
                                                            {"32767.5", "Overflow"},
                                                            {"1e999", "Overflow"}};
        for (const auto& [text, rank] : rows)
            QTest::addRow("'%s'", text) << text << rank;
    }
    void rank() {
        QFETCH(QString, text);
        QFETCH(QString, rank);
        try {
            QCOMPARE(QString::number(RankFromText(text)), rank);
        } catch (const Failure& e) {
            QCOMPARE(e.description(), rank);
        }
    }

    // Kilobytes to bytes and back: whole kilobytes rounded half to even, no exponent, beyond 16 bits too.
    void sizePair_data() {
        QTest::addColumn<QString>("kb");
        QTest::addColumn<QString>("bytes");
        QTest::addColumn<QString>("kbBack");
        const std::array<const char*, 3> rows[] = {{"15", "15360", "15"},
                                                   {"", "0", "0"},
                                                   {"1.5", "1536", "2"},
                                                   {"2.5", "2560", "2"},
                                                   {"0.001", "1.024", "0"},
                                                   {"1,024", "1024", "1"},
                                                   {"39062.5", "40000000", "39062"}};
        for (const auto& [kb, bytes, back] : rows)
            QTest::addRow("'%s'", kb) << kb << bytes << back;
    }
    void sizePair() {
        QFETCH(QString, kb);
        QFETCH(QString, bytes);
        QFETCH(QString, kbBack);
        QCOMPARE(BytesTextForKB(kb), std::optional<QString>(bytes));
        QCOMPARE(KBTextForBytes(bytes), std::optional<QString>(kbBack));
    }

    void sizesBeyondDoublesGiveNoText() {
        QVERIFY(!BytesTextForKB("1e308"));
        QVERIFY(!KBTextForBytes("1e999"));
        QCOMPARE(KBTextForBytes("-100"), std::optional<QString>("0")); // no "-0"
    }
};

QUILL_TEST_MAIN(tst_EditorValues)
#include "tst_EditorValues.moc"
