#include "Seed.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "frmDuplicateSites.h"
#include "frmSiteListImport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

// The windows that import a published site list and merge duplicate sites, on a real archive.
class tst_frmSiteLists final : public QObject {
    Q_OBJECT

private slots:
    // A real CSV with a header: previewed against the archive, its new sites stored once after a backup; a second
    // look finds nothing more to import.
    void listImportStoresTheNewSitesOnce() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        SeedSite("https://producthunt.com");
        int rebuilds = 0;
        frmSiteListImport window([&] { ++rebuilds; });
        window.show();
        window.txtFileName->setText(QFINDTESTDATA("../data/sitelists/directories-awesome.csv"));
        QTest::keyClick(window.txtFileName, Qt::Key_Return);
        QCOMPARE(window.cboAddressColumn->currentText(), QString("Website"));
        QCOMPARE(window.cboNameColumn->currentText(), QString("Title"));
        QVERIFY(window.chkHeader->isChecked());
        QCOMPARE(window.lblCounts->text(), QString("363 sites to import, 4 already in the list, 0 not web addresses."));
        QCOMPARE(window.lvwPreview->topLevelItem(1)->text(2), QString("already in the list"));
        // Reading the title column as addresses makes nearly every row no address, and nothing is stored.
        window.cboAddressColumn->setCurrentIndex(1);
        QVERIFY(window.lblCounts->text().endsWith("366 not web addresses."));
        window.cboAddressColumn->setCurrentIndex(2);

        QTest::mouseClick(window.cmdImport, Qt::LeftButton);
        QCOMPARE(boxes.texts(), QStringList("Imported 363 PAD sites."));
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_sites").toInt(), 364);
        QCOMPARE(dir.scalar("SELECT name || '|' || submitUrl FROM tab_sites WHERE siteID = 8").toString(),
                 QString("10 Words|http://10words.io"));
        QCOMPARE(QDir(dir.filePath("backups")).entryList(QDir::Files).size(), 1);
        QCOMPARE(rebuilds, 1);
        QVERIFY(window.lblCounts->text().startsWith("0 sites to import, 367 already") &&
                !window.cmdImport->isEnabled());
    }

    // The group's other sites go into the site chosen, after Yes and a backup; No changes nothing.
    void duplicatesMergeIntoTheChosenSite() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        SeedSite("http://www.a.example/", {{"name", "Old"}});
        SeedSite("https://a.example", {{"name", "New"}});
        SeedSite("http://b.example/");
        int rebuilds = 0;
        frmDuplicateSites window([&] { ++rebuilds; });
        window.show();
        QCOMPARE(window.lvwGroups->topLevelItemCount(), 1);
        QTreeWidgetItem* group = window.lvwGroups->topLevelItem(0);
        QCOMPARE(group->text(1), QString("a.example"));
        window.lvwGroups->setCurrentItem(group->child(1));
        boxes.answer(Msg::Answer::No);
        QTest::mouseClick(window.cmdMerge, Qt::LeftButton);
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_sites").toInt(), 3);
        window.lvwGroups->setCurrentItem(window.lvwGroups->topLevelItem(0)->child(1));
        boxes.answer(Msg::Answer::Yes);
        QTest::mouseClick(window.cmdMerge, Qt::LeftButton);
        QCOMPARE(boxes.texts().last(), QString("Merge 1 sites into \"New\" and delete them?"));
        QCOMPARE(dir.scalar("SELECT group_concat(name || submitUrl) FROM tab_sites").toString(),
                 QString("Newhttps://a.example"));
        QCOMPARE(QDir(dir.filePath("backups")).entryList(QDir::Files).size(), 1);
        QCOMPARE(rebuilds, 1);
        QCOMPARE(window.lvwGroups->topLevelItem(0)->text(0), QString("No duplicate sites."));
    }
};

QUILL_TEST_MAIN(tst_frmSiteLists)
#include "tst_frmSiteLists.moc"
