#include "AppInfo.h"
#include "HelpManual.h"
#include "InstalledCopy.h"
#include "Spies.h"
#include "TestProgramDir.h"
#include "WebBrowser.h"
#include "frmMain.h"
#include "modMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

class tst_StartUp final : public QObject {
    Q_OBJECT

    void closeMainWindow() {
        delete gMainWindow;
        gMainWindow = nullptr;
    }

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void cleanup() { closeMainWindow(); }

    void startsWithCaptionAndOpensTheMakersSite() {
        TestProgramDir dir;
        dir.writeFile("kwz.ini", "[preferences]\nSitesOrder=0\nPopUpBlock=1\n");
        MsgBoxSpy boxes;
        ShellSpy shell;
        QVERIFY(Main(dir.path()));
        QVERIFY(gMainWindow->isVisible());
        QCOMPARE(gMainWindow->windowTitle(), QString(" Quillomar Pad Submitter 5.2"));
        QCOMPARE(shell.targets(), QStringList{AppInfo::MakerWebSite});
        QVERIFY(gMainWindow->webSite->Silent());
        QVERIFY2(boxes.shown().isEmpty(), qPrintable(boxes.texts().join('|')));
        QVERIFY(QTest::qWaitForWindowExposed(gMainWindow));
    }

    void missingFilesWarnButStartUpGoesOn() {
        TestProgramDir dir(false);
        MsgBoxSpy boxes;
        ShellSpy shell;
        QVERIFY(Main(dir.path()));
        QCOMPARE(boxes.texts().mid(0, 2),
                 (QStringList{"Specified archive file does not exist. Check menu tools->options",
                              "I cannot read ini file.\r\nCheck presence of file .ini in program directory!"}));
        QVERIFY(gMainWindow->isVisible());
    }

    void badSettingEndsWithoutMainWindow() {
        TestProgramDir dir;
        dir.writeFile("kwz.ini", "[preferences]\nSitesOrder=abc\n");
        MsgBoxSpy boxes;
        ShellSpy shell;
        QVERIFY(!Main(dir.path()));
        QCOMPARE(boxes.texts(), QStringList{"Error in Main: Type mismatch"});
        QVERIFY(shell.targets().isEmpty());
        QVERIFY(!gMainWindow);
    }

    void installedCopyKeepsItsFilesInTheDataDirectory() {
        InstalledCopy copy;
        const QStringList prefixBefore = copy.prefixSnapshot();
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
        QCOMPARE(copy.prefixSnapshot(), prefixBefore);
    }

    void noDatabaseForTheInstalledCopyEndsWithOneMessage() {
        InstalledCopy copy(false);
        MsgBoxSpy boxes;
        ShellSpy shell;
        QVERIFY(!StartProgram(DecideLayout(copy.binDir(), copy.dataDir())));
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Critical);
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

    void settingOutside16BitsEndsWithOverflow() {
        TestProgramDir dir;
        dir.writeFile("kwz.ini", "[preferences]\nPopUpBlock=99999\n");
        MsgBoxSpy boxes;
        QVERIFY(!Main(dir.path()));
        QCOMPARE(boxes.texts(), QStringList{"Error in Main: Overflow"});
    }
};

QTEST_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
