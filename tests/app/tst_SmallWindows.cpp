#include "AppInfo.h"
#include "HelpManual.h"
#include "IniFile.h"
#include "Spies.h"
#include "TestProgramDir.h"
#include "frmAbout.h"
#include "frmOptions.h"
#include "modMain.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class tst_SmallWindows final : public QObject {
    Q_OBJECT

    static void useDirectory(const TestProgramDir& dir) {
        gAppPath = dir.path();
        gSharedPath = dir.path();
        gIniFile = dir.filePath("kwz.ini");
    }
    static QString ini(const QString& key) { return IniRead(gIniFile, "preferences", key); }

private slots:
    void okWithoutChangesWritesBothKeys() {
        TestProgramDir dir;
        useDirectory(dir);
        gSitesOrder = 1;
        gPopUpBlock = 0;
        frmOptions options;
        QVERIFY(options.optOrder[1]->isChecked());
        QVERIFY(options.optPopUp[0]->isChecked());
        QTest::mouseClick(options.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCOMPARE(ini("SitesOrder"), QString("1"));
        QCOMPARE(ini("PopUpBlock"), QString("0"));
        QCOMPARE(options.result(), int(QDialog::Accepted));
    }

    void unknownValuesShowTheFirstChoice() {
        TestProgramDir dir;
        useDirectory(dir);
        gSitesOrder = 7;
        gPopUpBlock = 5;
        frmOptions options;
        QVERIFY(options.optOrder[0]->isChecked());
        QVERIFY(options.optPopUp[0]->isChecked());
        options.optPopUp[1]->setChecked(true);
        QTest::mouseClick(options.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCOMPARE(gSitesOrder, qint16(0));
        QCOMPARE(gPopUpBlock, qint16(1));
        QCOMPARE(ini("SitesOrder"), QString("0"));
        QCOMPARE(ini("PopUpBlock"), QString("1"));
    }

    void closeAndEscapeChangeNothing() {
        TestProgramDir dir;
        useDirectory(dir);
        dir.writeFile("kwz.ini", "[preferences]\nSitesOrder=1\nPopUpBlock=0\n");
        gSitesOrder = 1;
        gPopUpBlock = 0;
        {
            frmOptions options;
            options.show();
            options.optOrder[0]->setChecked(true);
            QTest::keyClick(&options, Qt::Key_Escape);
            QVERIFY(!options.isVisible());
        }
        {
            frmOptions options;
            options.optPopUp[1]->setChecked(true);
            QTest::mouseClick(options.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        }
        QCOMPARE(gSitesOrder, qint16(1));
        QCOMPARE(gPopUpBlock, qint16(0));
        QCOMPARE(ini("SitesOrder"), QString("1"));
        QCOMPARE(ini("PopUpBlock"), QString("0"));
    }

    void unwritableSettingsAreAnnounced() {
        TestProgramDir dir;
        useDirectory(dir);
        gIniFile = dir.filePath("no-such-folder/kwz.ini");
        MsgBoxSpy boxes;
        frmOptions options;
        options.optOrder[0]->setChecked(true);
        QTest::mouseClick(options.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCOMPARE(gSitesOrder, qint16(0)); // applies for this run all the same
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.texts()[0].startsWith("The options could not be saved in "));
    }

    void aboutShowsVersionAndOpensAddresses() {
        ShellSpy shell;
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.lblVersion->text(), QString("Version 5.2"));
        QCOMPARE(about.lblBuild->text(), QString("Build 14-207"));
        emit about.lblInternet->linkActivated("#");
        emit about.lblEmail->linkActivated("#");
        QCOMPARE(shell.targets(), (QStringList{AppInfo::MakerHomePage, "mailto:" + AppInfo::MakerEmail}));
        QTest::mouseClick(about.pic, Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }

    void escapeClosesAbout() {
        frmAbout about;
        about.show();
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }

    void manualOpensOrSaysItIsMissing() {
        TestProgramDir dir;
        useDirectory(dir);
        MsgBoxSpy boxes;
        ShellSpy shell;
        HelpManual();
        QVERIFY(shell.targets().isEmpty());
        QCOMPARE(boxes.texts(), QStringList{"The user manual was not found. It should be at " + ManualPath()});
        QVERIFY(QDir(dir.path()).mkdir("help"));
        dir.writeFile("help/QuillomarPadSubmitter.html", "<html></html>");
        HelpManual();
        QCOMPARE(shell.targets(), QStringList{ManualPath()});
    }
};

QTEST_MAIN(tst_SmallWindows)
#include "tst_SmallWindows.moc"
