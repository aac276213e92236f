#include "ExternalOpen.h"
#include "Failure.h"
#include "SettingValue.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "modMain.h"

#include <QTest>

// Bad values and the start-up warnings are tested with the start-up itself.
class tst_Settings final : public QObject {
    Q_OBJECT

private slots:
    // A description instead of a number stands for the failure.
    void settingTextBecomes16BitNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("value");
        const std::pair<const char*, const char*> rows[] = {{"0", "0"},
                                                            {"  1 ", "1"},
                                                            {"-2", "-2"},
                                                            {"2.5", "2"},
                                                            {"3.5", "4"},
                                                            {"32767", "32767"},
                                                            {"-32768", "-32768"},
                                                            {"32768", "Overflow"},
                                                            {"abc", "Type mismatch"},
                                                            {"1x", "Type mismatch"},
                                                            {"inf", "Type mismatch"}};
        for (const auto& [text, value] : rows)
            QTest::newRow(text) << text << value;
    }
    void settingTextBecomes16BitNumber() {
        QFETCH(QString, text);
        QFETCH(QString, value);
        try {
            QCOMPARE(QString::number(SettingToInt16(text)), value);
        } catch (const Failure& e) {
            QCOMPARE(e.description(), value);
        }
    }

    void missingIniTakesDefaults() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        gSitesOrder = 7;
        gPopUpBlock = 3;
        QVERIFY(ReadSettings(dir.path()));
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(gSitesOrder, qint16(1));
        QCOMPARE(gPopUpBlock, qint16(0));
        QCOMPARE(gIniFile, dir.filePath("kwz.ini"));
        QCOMPARE(gArchiveFile, dir.filePath("kwz.db"));
        QCOMPARE(gAppPath, dir.path());
    }

    void missingOrEmptyKeysTakeDefaultsSilently_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("sitesOrder");
        QTest::addColumn<int>("popUpBlock");
        QTest::newRow("no section") << QByteArray("[other]\nSitesOrder=0\n") << 1 << 0;
        QTest::newRow("empty values") << QByteArray("[preferences]\nSitesOrder=\nPopUpBlock=\n") << 1 << 0;
        QTest::newRow("one key") << QByteArray("[preferences]\nPopUpBlock=1\n") << 1 << 1;
        QTest::newRow("stored as is") << QByteArray("[preferences]\nSitesOrder=2\nPopUpBlock=5\n") << 2 << 5;
    }
    void missingOrEmptyKeysTakeDefaultsSilently() {
        QFETCH(QByteArray, ini);
        QFETCH(int, sitesOrder);
        QFETCH(int, popUpBlock);
        TestProgramDir dir;
        dir.writeFile("kwz.ini", ini);
        MsgBoxSpy boxes;
        QVERIFY(ReadSettings(dir.path()));
        QCOMPARE(boxes.shown().size(), 0);
        QCOMPARE(int(gSitesOrder), sitesOrder);
        QCOMPARE(int(gPopUpBlock), popUpBlock);
    }

    // A host with a port looks like a scheme but is not one.
    void visitSiteAddsHttpOnlyWithoutScheme_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("opened"); // empty: nothing opens
        const std::pair<const char*, const char*> rows[] = {
            {"www.quillomar.example/pad", "http://www.quillomar.example/pad"},
            {"http://a.example/", "http://a.example/"},
            {"https://a.example/", "https://a.example/"},
            {"mailto:me@a.example", "mailto:me@a.example"},
            {"svn+ssh://a.example/", "svn+ssh://a.example/"},
            {"localhost:8080/x", "http://localhost:8080/x"},
            {"1.2.3.4:80/", "http://1.2.3.4:80/"},
            {"", ""}};
        for (const auto& [address, opened] : rows)
            QTest::newRow(*address ? address : "empty") << address << opened;
    }
    void visitSiteAddsHttpOnlyWithoutScheme() {
        QFETCH(QString, address);
        QFETCH(QString, opened);
        ShellSpy shell;
        MsgBoxSpy boxes;
        VisitSite(address);
        QCOMPARE(shell.targets(), opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(address, opened);
        QVERIFY(boxes.shown().isEmpty());
    }
};

QUILL_TEST_MAIN(tst_Settings)
#include "tst_Settings.moc"
