#include "AppInfo.h"
#include "Spies.h"
#include "TestProgramDir.h"
#include "WebBrowser.h"
#include "frmMain.h"
#include "modMain.h"

#include <QApplication>
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
