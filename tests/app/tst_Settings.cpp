#include "ExternalOpen.h"
#include "Failure.h"
#include "SettingValue.h"
#include "Spies.h"
#include "TestProgramDir.h"
#include "modMain.h"

#include <QTest>

class tst_Settings final : public QObject {
    Q_OBJECT

private slots:
    void settingTextBecomes16BitNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("blanks") << "  1 " << 1;
        QTest::newRow("other number") << "5" << 5;
        QTest::newRow("negative") << "-2" << -2;
        QTest::newRow("half down to even") << "2.5" << 2;
        QTest::newRow("half up to even") << "3.5" << 4;
        QTest::newRow("fraction") << "0.6" << 1;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("smallest") << "-32768" << -32768;
    }
    void settingTextBecomes16BitNumber() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(int(SettingToInt16(text)), value);
    }

    void badSettingTextFails_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("description");
        QTest::newRow("word") << "abc"
                              << "Type mismatch";
        QTest::newRow("trailing junk") << "1x"
                                       << "Type mismatch";
        QTest::newRow("infinite") << "inf"
                                  << "Type mismatch";
        QTest::newRow("above 16 bits") << "32768"
                                       << "Overflow";
        QTest::newRow("below 16 bits") << "-40000"
                                       << "Overflow";
    }
    void badSettingTextFails() {
        QFETCH(QString, text);
        QFETCH(QString, description);
        try {
            SettingToInt16(text);
            QFAIL("no failure");
        } catch (const Failure& e) {
            QCOMPARE(e.description(), description);
        }
    }

    void missingIniWarnsOnceAndTakesDefaults() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        gSitesOrder = 7;
        gPopUpBlock = 0;
        QVERIFY(ReadSettings(dir.path()));
        QCOMPARE(boxes.texts(),
                 QStringList{"I cannot read ini file.\r\nCheck presence of file .ini in program directory!"});
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Critical);
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
        QTest::newRow("fraction") << QByteArray("[preferences]\nSitesOrder=0.5\nPopUpBlock=1.5\n") << 0 << 2;
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

    void badValueFailsToTheCaller() {
        TestProgramDir dir;
        dir.writeFile("kwz.ini", "[preferences]\nSitesOrder=abc\n");
        MsgBoxSpy boxes;
        QVERIFY_THROWS_EXCEPTION(Failure, ReadSettings(dir.path()));
        dir.writeFile("kwz.ini", "[preferences]\nPopUpBlock=70000\n");
        QVERIFY_THROWS_EXCEPTION(Failure, ReadSettings(dir.path()));
    }

    void missingDatabaseWarnsAndGoesOn() {
        TestProgramDir dir(false);
        dir.writeFile("kwz.ini", "[preferences]\nSitesOrder=0\n");
        MsgBoxSpy boxes;
        QVERIFY(ReadSettings(dir.path()));
        QCOMPARE(boxes.texts(), QStringList{"Specified archive file does not exist. Check menu tools->options"});
        QCOMPARE(gSitesOrder, qint16(0));
    }

    void visitSiteAddsTheExactSchemeOnly_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("opened");
        QTest::newRow("no scheme") << "www.quillomar.example/pad"
                                   << "http://www.quillomar.example/pad";
        QTest::newRow("has scheme") << "http://a.example/"
                                    << "http://a.example/";
        QTest::newRow("upper case") << "HTTP://a.example/"
                                    << "http://HTTP://a.example/";
        QTest::newRow("secure") << "https://a.example/"
                                << "http://https://a.example/";
    }
    void visitSiteAddsTheExactSchemeOnly() {
        QFETCH(QString, address);
        QFETCH(QString, opened);
        ShellSpy shell;
        VisitSite(address);
        QCOMPARE(shell.targets(), QStringList{opened});
        QCOMPARE(address, opened);
    }

    void visitSiteWithEmptyTextDoesNothing() {
        ShellSpy shell;
        MsgBoxSpy boxes;
        QString empty;
        VisitSite(empty);
        QVERIFY(shell.targets().isEmpty());
        QVERIFY(boxes.shown().isEmpty());
    }
};

QTEST_MAIN(tst_Settings)
#include "tst_Settings.moc"
