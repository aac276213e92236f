#include "EditorValues.h"
#include "Failure.h"
#include "TestMain.h"

#include <QTest>

class tst_EditorValues final : public QObject {
    Q_OBJECT

private slots:
    // A box's size is read by its leading number; kilobytes become bytes exactly and bytes whole kilobytes, rounded
    // half to even, never with an exponent or "-0". "none" stands for no text (beyond the range of a double).
    void sizeTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("bytesForKB");
        QTest::addColumn<QString>("kbForBytes");
        const std::array<const char*, 3> rows[] = {{"abc", "0", "0"},
                                                   {" \t 7 KB", "7168", "0"},
                                                   {".25", "256", "0"},
                                                   {"1.2.3", "1228.8", "0"},
                                                   {"1,024", "1024", "0"},
                                                   {"-3x", "-3072", "0"},
                                                   {"2e3", "2048000", "2"},
                                                   {"2e", "2048", "0"},
                                                   {"1536", "1572864", "2"},
                                                   {"2560", "2621440", "2"},
                                                   {"40000000", "40960000000", "39062"},
                                                   {"1e999", "none", "none"}};
        for (const auto& [text, bytes, kb] : rows)
            QTest::addRow("'%s'", text) << text << bytes << kb;
    }
    void sizeTexts() {
        QFETCH(QString, text);
        QFETCH(QString, bytesForKB);
        QFETCH(QString, kbForBytes);
        QCOMPARE(BytesTextForKB(text).value_or("none"), bytesForKB);
        QCOMPARE(KBTextForBytes(text).value_or("none"), kbForBytes);
    }

    // The rounded leading number, within 16 bits; anything beyond fails.
    void rank() {
        QCOMPARE(RankFromText("12abc"), qint16(12));
        QCOMPARE(RankFromText("2.5"), qint16(2));
        QCOMPARE(RankFromText("-32768"), qint16(-32768));
        for (const char* beyond : {"32767.5", "40000", "1e999"})
            QVERIFY_THROWS_EXCEPTION(Failure, RankFromText(beyond));
    }
};

QUILL_TEST_MAIN(tst_EditorValues)
#include "tst_EditorValues.moc"
