#include "ArchiveBackup.h"
#include "DbConnection.h"
#include "RunningProgram.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "frmRestoreBackup.h"

#include <QDir>

namespace {

// 12 sites, a product with a status and a log row on site 7.
void seed(const TestProgramDir& dir) {
    dir.sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 12) "
            "INSERT INTO tab_sites (submitUrl) SELECT printf('http://site%02d.example/', i) FROM n");
    SeedStatus(7, SeedProduct("P"), 1);
    dir.sql("INSERT INTO tab_productHistory (siteID, productID, submitStatus, version, opDate) "
            "VALUES (7, 1, 1, '1.0', '2012-01-01')");
}

void deleteSites(int first, int last) {
    for (int id = first; id <= last; ++id)
        RunningProgram::row(id)->setSelected(true);
    gMainWindow->lvwSites->setCurrentItem(RunningProgram::row(first), 0, QItemSelectionModel::NoUpdate);
    RunningProgram::trigger("miLvwSitesDelete");
}

} // namespace

class tst_Backups final : public QObject {
    Q_OBJECT

private slots:
    void deletedSitesComeBackFromTheCopyMadeBeforeTheDelete() {
        RunningProgram p(seed);
        QVERIFY(p.started);
        p.boxes.answer(Msg::Answer::Yes);
        deleteSites(1, 10);
        QCOMPARE(gMainWindow->lvwSites->topLevelItemCount(), 2);
        const QList<AutomaticBackup> copies = AutomaticBackups();
        QCOMPARE(copies.size(), 2); // the start of the day's and the delete's
        p.dir.sql("INSERT INTO tab_sites (submitUrl) VALUES ('http://after.example/')");

        // The list shows what each copy holds; the newest is chosen.
        p.boxes.clear();
        p.boxes.answer(Msg::Answer::Yes);
        QVERIFY(p.drive<frmRestoreBackup>("miFileRestore", [&](frmRestoreBackup* window) {
            QCOMPARE(window->lvwBackups->topLevelItemCount(), 2);
            QCOMPARE(window->lvwBackups->currentItem()->text(1) + window->lvwBackups->currentItem()->text(2),
                     QString("121"));
            QTest::mouseClick(window->cmdRestore, Qt::LeftButton);
        }));
        QVERIFY(p.boxes.texts().value(0).contains("(12 sites, 1 products)"));
        QCOMPARE(p.boxes.texts().value(1), "The archive was restored from " + QDir::toNativeSeparators(copies[0].path));
        QCOMPARE(gMainWindow->lvwSites->topLevelItemCount(), 12);
        // The restore backed up the archive it replaced first.
        QCOMPARE(ReadArchiveCounts(AutomaticBackups()[0].path).sites, 3);

        FileDialogSpy files;
        files.chooseSave(p.dir.filePath("mine.db"));
        p.trigger("miFileBackUp");
        QCOMPARE(ReadArchiveCounts(p.dir.filePath("mine.db")).sites, 12);
    }

    // A file that is not an archive is refused before anything is asked: nothing is backed up, nothing changes. (A
    // copy that fails on its way in changes nothing either: tst_Archive.)
    void fileThatIsNoArchiveChangesNothing_data() {
        QTest::addColumn<QString>("change"); // made to a copy of the archive; empty: 8 KB of "x"
        QTest::addColumn<QString>("reason");
        QTest::newRow("no database") << ""
                                     << "it cannot be read as a database";
        QTest::newRow("no table") << "DROP TABLE tab_productStatus"
                                  << "it holds no table tab_productStatus";
        QTest::newRow("no column") << "ALTER TABLE tab_sites DROP COLUMN notes"
                                   << "its table tab_sites has no column notes";
    }
    void fileThatIsNoArchiveChangesNothing() {
        QFETCH(QString, change);
        QFETCH(QString, reason);
        RunningProgram p(seed);
        QVERIFY(p.started);
        const QString offered = p.dir.filePath("offered.db");
        if (change.isEmpty())
            WriteFile(offered, QByteArray(8192, 'x'));
        else if (QFile::copy(p.dir.dbPath(), offered))
            DbConnection(ConnectionStringFor(offered)).execute(change);
        const QByteArray archive = ReadFile(p.dir.dbPath());
        const qsizetype backups = AutomaticBackups().size();
        FileDialogSpy files;
        files.choose(offered);
        p.boxes.answer(Msg::Answer::Yes);
        QVERIFY(p.drive<frmRestoreBackup>("miFileRestore", [&](frmRestoreBackup* window) {
            QTest::mouseClick(window->cmdOtherFile, Qt::LeftButton);
            window->reject();
        }));
        QCOMPARE(p.boxes.texts().size(), 1);
        QVERIFY2(p.boxes.texts()[0].startsWith(QDir::toNativeSeparators(offered) + " cannot be restored: " + reason),
                 qPrintable(p.boxes.texts()[0]));
        QCOMPARE(AutomaticBackups().size(), backups);
        QCOMPARE(ReadFile(p.dir.dbPath()), archive);
    }

    // The backups folder's name taken by a plain file: a delete goes on only when the user says so, No by default.
    // (Start-up telling of a failed copy: tst_StartUp.)
    void failedBackupStopsADeleteByDefault() {
        RunningProgram p([](const TestProgramDir& dir) {
            seed(dir);
            dir.writeFile("backups", "not a folder");
        });
        p.boxes.answer(Msg::Answer::Yes);
        deleteSites(1, 3);
        QVERIFY(p.boxes.texts().value(1).startsWith("The archive could not be backed up before this change: "));
        QCOMPARE(gMainWindow->lvwSites->topLevelItemCount(), 12);
        p.boxes.answer(Msg::Answer::Yes);
        p.boxes.answer(Msg::Answer::Yes);
        deleteSites(1, 3);
        QCOMPARE(p.dir.scalar("SELECT COUNT(*) FROM tab_sites").toInt(), 9);
    }

    void onlyTheFirstStartOfADayMakesACopy() {
        FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(15, 30, 12)));
        RunningProgram p;
        QVERIFY(p.started);
        for (const QDateTime& moment :
             {QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59)), QDateTime(QDate(2026, 12, 8), QTime(0, 0, 1))}) {
            clock.set(moment);
            EndProgram();
            QVERIFY(Main(p.dir.path()));
        }
        QCOMPARE(QDir(BackupFolder()).entryList(QDir::Files),
                 (QStringList{"kwz-2026-12-07-153012.db", "kwz-2026-12-08-000001.db"}));
    }
};

QUILL_TEST_MAIN(tst_Backups)
#include "tst_Backups.moc"
