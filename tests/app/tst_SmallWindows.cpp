#include "AppInfo.h"
#include "HelpManual.h"
#include "IniFile.h"
#include "Spies.h"
#include "TestMain.h"
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

    std::unique_ptr<TestProgramDir> m_dir;

    static QString ini(const QString& key) { return IniRead(gIniFile, "preferences", key); }
    static void click(QDialog& dialog, const char* button) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    }

private slots:
    void init() {
        m_dir.reset(); // before the next one: its end clears the connection
        m_dir = std::make_unique<TestProgramDir>();
        gAppPath = m_dir->path();
        gSharedPath = m_dir->path();
        gIniFile = m_dir->filePath("kwz.ini");
    }

    // Values the options do not know show the first choice; OK writes both keys and applies them, Close neither.
    void optionsApplyOnlyOnOk_data() {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("applied"); // gSitesOrder * 10 + gPopUpBlock
        QTest::addColumn<QString>("stored");
        QTest::newRow("OK") << QByteArray("cmdOK") << 1 << "01";
        QTest::newRow("Close") << QByteArray("cmdClose") << 75 << "10";
    }
    void optionsApplyOnlyOnOk() {
        QFETCH(QByteArray, button);
        QFETCH(int, applied);
        QFETCH(QString, stored);
        m_dir->writeFile("kwz.ini", "[preferences]\nSitesOrder=1\nPopUpBlock=0\n");
        gSitesOrder = 7;
        gPopUpBlock = 5;
        frmOptions options;
        QVERIFY(options.optOrder[0]->isChecked() && options.optPopUp[0]->isChecked());
        options.optPopUp[1]->setChecked(true);
        click(options, button.constData());
        QCOMPARE(gSitesOrder * 10 + gPopUpBlock, applied);
        QCOMPARE(ini("SitesOrder") + ini("PopUpBlock"), stored);
        // Shown as applied.
        frmOptions again;
        QCOMPARE(again.optPopUp[1]->isChecked(), applied == 1);
    }

    void unwritableOptionsAreAnnouncedButApplied() {
        gIniFile = m_dir->filePath("no-such-folder/kwz.ini");
        MsgBoxSpy boxes;
        frmOptions options;
        options.optOrder[0]->setChecked(true);
        click(options, "cmdOK");
        QCOMPARE(gSitesOrder, qint16(0));
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.texts()[0].startsWith("The options could not be saved. Cannot write " + gIniFile + ": "));
    }

    void aboutOpensTheAddressesAndClosesOnClickOrEscape() {
        ShellSpy shell;
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        emit about.lblInternet->linkActivated("#");
        emit about.lblEmail->linkActivated("#");
        QCOMPARE(shell.targets(), (QStringList{AppInfo::MakerHomePage, "mailto:" + AppInfo::MakerEmail}));
        QTest::mouseClick(about.pic, Qt::LeftButton);
        QVERIFY(!about.isVisible());
        about.show();
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }

    void manualOpensOrSaysItIsMissing() {
        MsgBoxSpy boxes;
        ShellSpy shell;
        HelpManual();
        QVERIFY(shell.targets().isEmpty());
        QCOMPARE(boxes.texts(), QStringList{"The user manual was not found. It should be at " + ManualPath()});
        QVERIFY(QDir(m_dir->path()).mkdir("help"));
        m_dir->writeFile("help/QuillomarPadSubmitter.html", "<html></html>");
        HelpManual();
        QCOMPARE(shell.targets(), QStringList{ManualPath()});
    }
};

QUILL_TEST_MAIN(tst_SmallWindows)
#include "tst_SmallWindows.moc"
