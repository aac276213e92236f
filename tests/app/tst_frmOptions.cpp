#include "IniFile.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "frmOptions.h"
#include "modMain.h"

#include <QPushButton>
#include <QRadioButton>

class tst_frmOptions final : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramDir> m_dir;

private slots:
    void init() {
        m_dir.reset(); // before the next one: its end clears the connection
        m_dir = std::make_unique<TestProgramDir>();
        gAppPath = gSharedPath = m_dir->path();
        gIniFile = m_dir->filePath("kwz.ini");
        m_dir->writeFile("kwz.ini", "[preferences]\nSitesOrder=1\nPopUpBlock=0\n");
    }

    // Values the options do not know show the first choice; OK stores and applies both, Close neither; a file that
    // cannot be written is told, and the choice still applies.
    void optionsApplyOnlyOnOk_data() {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<int>("applied"); // gSitesOrder * 10 + gPopUpBlock
        QTest::addColumn<QString>("stored");
        QTest::newRow("OK") << QByteArray("cmdOK") << true << 1 << "01";
        QTest::newRow("Close") << QByteArray("cmdClose") << true << 75 << "10";
        QTest::newRow("OK, not writable") << QByteArray("cmdOK") << false << 1 << "";
    }
    void optionsApplyOnlyOnOk() {
        QFETCH(QByteArray, button);
        QFETCH(bool, writable);
        QFETCH(int, applied);
        QFETCH(QString, stored);
        if (!writable)
            gIniFile = m_dir->filePath("no-such-folder/kwz.ini");
        gSitesOrder = 7;
        gPopUpBlock = 5;
        MsgBoxSpy boxes;
        frmOptions options;
        QVERIFY(options.optOrder[0]->isChecked() && options.optPopUp[0]->isChecked());
        options.optPopUp[1]->setChecked(true);
        QTest::mouseClick(options.findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(gSitesOrder * 10 + gPopUpBlock, applied);
        QCOMPARE(IniRead(gIniFile, "preferences", "SitesOrder") + IniRead(gIniFile, "preferences", "PopUpBlock"),
                 stored);
        QCOMPARE(boxes.texts().size(), writable ? 0 : 1);
        QCOMPARE(frmOptions().optPopUp[1]->isChecked(), applied == 1); // shown as applied
    }
};

QUILL_TEST_MAIN(tst_frmOptions)
#include "tst_frmOptions.moc"
