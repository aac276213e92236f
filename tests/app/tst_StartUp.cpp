#include "AppInfo.h"
#include "HelpManual.h"
#include "InstalledCopy.h"
#include "RunningProgram.h"
#include "Shell.h"
#include "TestMain.h"
#include "modMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

class tst_StartUp final : public QObject {
    Q_OBJECT

public:
private slots:
    // The installed-copy cases start the program themselves.
    void cleanup() { EndProgram(); }

    void opensTheMakersSiteBeforeFillingTheList() {
        TestProgramDir dir;
        dir.writeFile("kwz.ini", "[preferences]\nSitesOrder=0\nPopUpBlock=1\n");
        SeedSite("http://a.example/");
        MsgBoxSpy boxes;
        QStringList opened;
        int rowsWhenOpened = -1;
        SetShellInterceptor([&](const QString&, const QString& target) {
            opened << target;
            rowsWhenOpened = gMainWindow->lvwSites->topLevelItemCount();
        });
        const bool started = Main(dir.path());
        SetShellInterceptor({});
        const frmMain* window = gMainWindow;
        QVERIFY(started);
        QCOMPARE(opened, QStringList{AppInfo::MakerWebSite});
        QCOMPARE(rowsWhenOpened, 0);
        QCOMPARE(window->lvwSites->topLevelItemCount(), 1);
        QVERIFY(window->webSite->Silent());
        QVERIFY2(boxes.shown().isEmpty(), qPrintable(boxes.texts().join('|')));
    }

    void missingFilesWarnButStartUpGoesOn() {
        RunningProgram p({}, QByteArray(), false);
        QVERIFY(p.started);
        const QStringList texts = p.startUpTexts;
        QVERIFY2(texts.size() >= 5, qPrintable(texts.join('|')));
        QCOMPARE(texts.mid(0, 2),
                 (QStringList{"Specified archive file does not exist. Check menu tools->options",
                              "I cannot read ini file.\r\nCheck presence of file .ini in program directory!"}));
        QVERIFY(texts[2].startsWith("Error in LoadStaticHtml: "));
        QVERIFY(texts[3].startsWith("Error in LoadComboProductsErr: "));
        QVERIFY(texts.last().startsWith("Error in MakeLvwSitesContents: "));
    }

    void badSettingEndsWithoutMainWindow_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a number") << QByteArray("[preferences]\nSitesOrder=abc\n")
                                      << "Error in Main: Type mismatch";
        QTest::newRow("beyond 16 bits") << QByteArray("[preferences]\nPopUpBlock=99999\n") << "Error in Main: Overflow";
    }
    void badSettingEndsWithoutMainWindow() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, message);
        RunningProgram p({}, ini);
        QVERIFY(!p.started);
        QVERIFY(!gMainWindow);
        QCOMPARE(p.startUpTexts, QStringList{message});
    }

    void installedCopyKeepsItsFilesInTheDataDirectory() {
        InstalledCopy copy;
        MsgBoxSpy boxes;
        ShellSpy shell;
        QVERIFY(StartProgram(DecideLayout(copy.binDir(), copy.dataDir())));
        QVERIFY(gMainWindow->isVisible());
        // The shipped settings give a first start without the missing-file warnings.
        QVERIFY2(boxes.shown().isEmpty(), qPrintable(boxes.texts().join('|')));
        QCOMPARE(gAppPath, copy.dataDir());
        QCOMPARE(gArchiveFile, copy.dataFile("kwz.db"));
        QCOMPARE(gIniFile, copy.dataFile("kwz.ini"));
        QCOMPARE(QFileInfo(ManualPath()).absolutePath(), copy.sharedFile("help"));
        QVERIFY(QFileInfo(copy.dataFile("webStart.html")).isFile());
    }

    void noDatabaseForTheInstalledCopyEndsWithOneMessage() {
        InstalledCopy copy(false);
        MsgBoxSpy boxes;
        ShellSpy shell;
        QVERIFY(!StartProgram(DecideLayout(copy.binDir(), copy.dataDir())));
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.texts()[0].contains(QDir::toNativeSeparators(copy.sharedFile("kwz.db"))));
        QVERIFY(boxes.texts()[0].endsWith("The program cannot work without its database and ends now."));
        QVERIFY(!gMainWindow);
        QVERIFY(shell.targets().isEmpty());
    }

    void otherSeedingProblemsAreShownAndStartUpGoesOn() {
        InstalledCopy copy;
        QVERIFY(QFile::remove(copy.sharedFile("kwz.ini")));
        MsgBoxSpy boxes;
        ShellSpy shell;
        QVERIFY(StartProgram(DecideLayout(copy.binDir(), copy.dataDir())));
        QVERIFY(boxes.texts().value(0).contains(QDir::toNativeSeparators(copy.sharedFile("kwz.ini"))));
        QVERIFY(gMainWindow->isVisible());
        QVERIFY(QFileInfo(copy.dataFile("kwz.db")).isFile());
    }
};

QUILL_TEST_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
