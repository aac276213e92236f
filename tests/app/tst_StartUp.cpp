#include "AppInfo.h"
#include "Failure.h"
#include "HelpManual.h"
#include "InstalledCopy.h"
#include "RunningProgram.h"
#include "SettingValue.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QFileInfo>

class tst_StartUp final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { EndProgram(); }

    // A description instead of a number stands for the failure.
    void settingTextBecomes16BitNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("value");
        const std::pair<const char*, const char*> rows[] = {{"  1 ", "1"},         {"2.5", "2"},
                                                            {"3.5", "4"},          {"-32768", "-32768"},
                                                            {"32768", "Overflow"}, {"1x", "Type mismatch"}};
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

    void missingKeysTakeTheDefaults_data() {
        QTest::addColumn<QByteArray>("ini"); // null: no file, which is told
        QTest::addColumn<int>("sitesOrder");
        QTest::addColumn<int>("popUpBlock");
        QTest::newRow("no file") << QByteArray() << 1 << 0;
        QTest::newRow("no section") << QByteArray("[other]\nSitesOrder=0\n") << 1 << 0;
        QTest::newRow("empty values") << QByteArray("[preferences]\nSitesOrder=\nPopUpBlock=\n") << 1 << 0;
        QTest::newRow("stored") << QByteArray("[preferences]\nSitesOrder=2\nPopUpBlock=5\n") << 2 << 5;
    }
    void missingKeysTakeTheDefaults() {
        QFETCH(QByteArray, ini);
        QFETCH(int, sitesOrder);
        QFETCH(int, popUpBlock);
        TestProgramDir dir;
        if (!ini.isNull())
            dir.writeFile("kwz.ini", ini);
        MsgBoxSpy boxes;
        gSitesOrder = 7;
        gPopUpBlock = 3;
        QVERIFY(ReadSettings(dir.path()));
        QCOMPARE(boxes.shown().size(), ini.isNull() ? 1 : 0);
        QCOMPARE(int(gSitesOrder) * 10 + gPopUpBlock, sitesOrder * 10 + popUpBlock);
    }

    // Each problem is told; the files stay as they were, and a missing archive is never made anew.
    void missingOrDamagedFilesAreToldAndKept_data() {
        QTest::addColumn<QByteArray>("database"); // null: none
        QTest::addColumn<QByteArray>("ini");      // null: none
        QTest::addColumn<bool>("started");
        QTest::addColumn<QStringList>("messages"); // how each message begins
        QTest::newRow("both missing") << QByteArray() << QByteArray() << true
                                      << QStringList{"Specified archive file does not exist", "I cannot read ini file.",
                                                     "Error in LoadStaticHtml: ", "Error in LoadComboProductsErr: ",
                                                     "Error in MakeLvwSitesContents: "};
        QTest::newRow("damaged database")
            << QByteArray(4096, 'x') << QByteArray(RunningProgram::kIni) << true
            << QStringList{"The archive could not be backed up: file is not a database",
                           "Error in HomePageHtml: file is not a database",
                           "Error in LoadComboProductsErr: ", "Error in MakeLvwSitesContents: "};
        QTest::newRow("setting no number") << QByteArray("fresh") << QByteArray("[preferences]\nPopUpBlock=99999\n")
                                           << false << QStringList{"Error in Main: Overflow"};
    }
    void missingOrDamagedFilesAreToldAndKept() {
        QFETCH(QByteArray, database);
        QFETCH(QByteArray, ini);
        QFETCH(bool, started);
        QFETCH(QStringList, messages);
        RunningProgram p(
            [&](const TestProgramDir& dir) {
                if (!database.isNull() && database != "fresh")
                    dir.writeFile("kwz.db", database);
            },
            ini, !database.isNull());
        QCOMPARE(p.started, started);
        QCOMPARE(bool(gMainWindow), started);
        QCOMPARE(p.startUpTexts.size(), messages.size());
        for (int i = 0; i < messages.size(); ++i)
            QVERIFY2(p.startUpTexts[i].startsWith(messages[i]), qPrintable(p.startUpTexts[i]));
        if (database != "fresh")
            QCOMPARE(ReadFile(p.dir.dbPath()), database);
        QCOMPARE(ReadFile(p.dir.filePath("kwz.ini")), ini);
    }

    // An installed copy keeps its files in the user's data directory, seeded from the shared one; without a
    // database to seed it cannot start.
    void installedCopyStartsFromItsDataDirectory_data() {
        QTest::addColumn<QString>("missing"); // from the shared directory
        QTest::newRow("nothing") << QString();
        QTest::newRow("settings") << "kwz.ini";
        QTest::newRow("database") << "kwz.db";
    }
    void installedCopyStartsFromItsDataDirectory() {
        QFETCH(QString, missing);
        InstalledCopy copy(missing != "kwz.db");
        if (missing == "kwz.ini")
            QVERIFY(QFile::remove(copy.sharedFile("kwz.ini")));
        MsgBoxSpy boxes;
        ShellSpy shell;
        const bool started = StartProgram(DecideLayout(copy.binDir(), copy.dataDir()));
        QCOMPARE(started, missing != "kwz.db");
        if (missing.isEmpty()) {
            // The shipped settings give a first start without the missing-file warnings.
            QVERIFY2(boxes.shown().isEmpty(), qPrintable(boxes.texts().join('|')));
            QCOMPARE(gArchiveFile, copy.dataFile("kwz.db"));
            QCOMPARE(gIniFile, copy.dataFile("kwz.ini"));
            QCOMPARE(QFileInfo(ManualPath()).absolutePath(), copy.sharedFile("help"));
            QCOMPARE(shell.targets(), QStringList{AppInfo::MakerWebSite});
        } else {
            QVERIFY(boxes.texts().value(0).contains(QDir::toNativeSeparators(copy.sharedFile(missing))));
            QCOMPARE(boxes.shown().size(), started ? 2 : 1); // the settings file missing is told again by Main
        }
    }
};

QUILL_TEST_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
