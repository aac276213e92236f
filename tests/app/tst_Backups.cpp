#include "ArchiveBackup.h"
#include "ModalDriver.h"
#include "RunningProgram.h"
#include "TestMain.h"
#include "frmRestoreBackup.h"

#include <QDir>
#include <QFile>
#include <QUrl>

namespace {

// 120 sites, a product with a status and a log row on site 7.
void seed(const TestProgramDir& dir) {
    for (int i = 1; i <= 120; ++i)
        SeedSite(QString("http://site%1.example/").arg(i, 3, 10, QChar('0')));
    SeedStatus(7, SeedProduct("P"), 1);
    dir.sql("INSERT INTO tab_productHistory (siteID, productID, submitStatus, version, opDate) "
            "VALUES (7, 1, 1, '1.0', '2012-01-01')");
}

QByteArray bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int siteRows() {
    return gMainWindow->lvwSites->topLevelItemCount();
}

void selectSites(int first, int last) {
    for (int id = first; id <= last; ++id)
        RunningProgram::row(id)->setSelected(true);
    gMainWindow->lvwSites->setCurrentItem(RunningProgram::row(first), 0, QItemSelectionModel::NoUpdate);
}

// Runs "Restore from backup...", where act works the window; whether the window showed.
bool restoreWindow(const std::function<void(frmRestoreBackup*)>& act) {
    ModalDriver driver([&](QWidget* modal) {
        auto* window = qobject_cast<frmRestoreBackup*>(modal);
        QVERIFY(window);
        act(window);
    });
    RunningProgram::trigger("miFileRestore");
    return driver.ran();
}

} // namespace

class tst_Backups final : public QObject {
    Q_OBJECT

public:
private slots:
    void deletedSitesComeBackFromTheCopyMadeBeforeTheDelete() {
        RunningProgram p(seed);
        QVERIFY(p.started);
        QCOMPARE(siteRows(), 120);
        selectSites(1, 100);
        p.boxes.answer(Msg::Answer::Yes);
        p.trigger("miLvwSitesDelete");
        QCOMPARE(p.boxes.shown().size(), 1);
        QCOMPARE(siteRows(), 20);
        const QList<AutomaticBackup> copies = AutomaticBackups();
        QCOMPARE(copies.size(), 2); // the start of the day's and the delete's
        QCOMPARE(ReadArchiveCounts(copies[0].path).sites, 120);
        p.dir.sql("INSERT INTO tab_sites (submitUrl) VALUES ('http://after.example/')");

        // The list shows what each copy holds; the newest is chosen.
        p.boxes.answer(Msg::Answer::Yes);
        QVERIFY(restoreWindow([&](frmRestoreBackup* window) {
            QCOMPARE(window->lvwBackups->topLevelItemCount(), 2);
            QCOMPARE(window->lvwBackups->currentItem()->text(1), QString("120"));
            QCOMPARE(window->lvwBackups->currentItem()->text(2), QString("1"));
            QTest::mouseClick(window->cmdRestore, Qt::LeftButton);
        }));
        QCOMPARE(p.boxes.shown().size(), 3);
        QCOMPARE(p.boxes.shown()[1].defaultButton, Msg::Answer::No);
        QVERIFY(p.boxes.texts()[1].contains("(120 sites, 1 products)"));
        QCOMPARE(p.boxes.texts()[2], "The archive was restored from " + QDir::toNativeSeparators(copies[0].path));
        QCOMPARE(siteRows(), 120);
        QVERIFY(p.row(1) && p.row(100) && !p.row(121));
        QVERIFY(bytes(p.dir.filePath("webStart.html")).contains("Total PAD sites in archive: 120"));
        QCOMPARE(p.dir.scalar("SELECT seq FROM sqlite_sequence WHERE name = 'tab_sites'").toInt(), 120);
        QCOMPARE(p.dir.scalar("SELECT COUNT(*) FROM tab_productStatus JOIN tab_productHistory USING (siteID)").toInt(),
                 1);
        // The restore backed up the archive it replaced first: the one with 21 sites.
        QCOMPARE(ReadArchiveCounts(AutomaticBackups()[0].path).sites, 21);

        // A copy where the user chooses, announced once written.
        FileDialogSpy files;
        files.chooseSave(p.dir.filePath("mine.db"));
        p.boxes.clear();
        p.trigger("miFileBackUp");
        QCOMPARE(ReadArchiveCounts(p.dir.filePath("mine.db")).sites, 120);
        QCOMPARE(p.boxes.texts(),
                 QStringList{"The archive was backed up to " + QDir::toNativeSeparators(p.dir.filePath("mine.db"))});
    }

    // Each file is refused before anything is asked; the last passes the check but breaks a rule of the archive's
    // tables on the way in, so the restore stops with no row of any table changed.
    void filesThatAreNoArchiveChangeNothing_data() {
        QTest::addColumn<QByteArray>("kind");
        QTest::newRow("random bytes") << QByteArray("garbage");
        QTest::newRow("empty") << QByteArray("empty");
        QTest::newRow("other tables") << QByteArray("foreign");
        QTest::newRow("column missing") << QByteArray("column");
        QTest::newRow("truncated copy") << QByteArray("truncated");
        QTest::newRow("null in a status") << QByteArray("rule");
    }
    void filesThatAreNoArchiveChangeNothing() {
        QFETCH(QByteArray, kind);
        RunningProgram p(seed);
        QVERIFY(p.started);
        const QString offered = p.dir.filePath("offered.db");
        const QByteArray copy = bytes(AutomaticBackups()[0].path);
        if (kind == "garbage") {
            QByteArray random;
            for (int i = 0; i < 8192; ++i)
                random += char((i * 7919) % 251);
            p.dir.writeFile("offered.db", random);
        } else if (kind == "empty") {
            p.dir.writeFile("offered.db", {});
        } else if (kind == "truncated") {
            p.dir.writeFile("offered.db", copy.left(copy.size() / 2));
        } else if (kind == "rule") {
            p.dir.writeFile("offered.db", copy);
            const DbConnection db(ConnectionStringFor(offered));
            db.execute("DELETE FROM tab_sites WHERE siteID > 10");
            db.execute("ALTER TABLE tab_productStatus RENAME TO old");
            db.execute("CREATE TABLE tab_productStatus AS SELECT * FROM old"); // without NOT NULL
            db.execute("UPDATE tab_productStatus SET insertDate = NULL");
        } else {
            const DbConnection db(QUrl::fromLocalFile(offered).toString() + "?mode=rwc");
            db.execute(kind == "foreign" ? "CREATE TABLE notes (text TEXT)"
                                         : "CREATE TABLE tab_sites (siteID INTEGER PRIMARY KEY, name TEXT)");
        }
        const QByteArray archive = bytes(p.dir.dbPath());
        const int copies = AutomaticBackups().size();
        FileDialogSpy files;
        files.choose(offered);
        p.boxes.answer(Msg::Answer::Yes);
        QVERIFY(restoreWindow([&](frmRestoreBackup* window) {
            QTest::mouseClick(window->cmdOtherFile, Qt::LeftButton);
            QVERIFY(window->isVisible());
            window->reject();
        }));
        const QString refusal = QDir::toNativeSeparators(offered) + " cannot be restored: ";
        const QString last = p.boxes.texts().last();
        QVERIFY2(kind == "rule" ? last.startsWith("Error in RestoreFrom: ") && p.boxes.shown().size() == 2
                                : last.startsWith(refusal) && last.endsWith("The archive was not changed.") &&
                                      p.boxes.shown().size() == 1,
                 qPrintable(last));
        QCOMPARE(bytes(p.dir.dbPath()), archive);
        QCOMPARE(AutomaticBackups().size(), copies + (kind == "rule" ? 1 : 0));
        QCOMPARE(p.dir.scalar("SELECT COUNT(*) FROM tab_sites").toInt(), 120);
        QCOMPARE(siteRows(), 120);
    }

    // The backups folder's name taken by a plain file: start-up says so once and goes on; a delete asks first.
    void failedBackupIsToldAndADeleteGoesOnOnlyWhenTheUserSaysSo() {
        RunningProgram p([](const TestProgramDir& dir) {
            seed(dir);
            dir.writeFile("backups", "not a folder");
        });
        QVERIFY(p.started);
        QCOMPARE(p.startUpTexts.size(), 1);
        QVERIFY(p.startUpTexts[0].startsWith("The archive could not be backed up: "));
        for (const Msg::Answer answer : {Msg::Answer::No, Msg::Answer::Yes}) {
            p.boxes.clear();
            selectSites(1, 3);
            p.boxes.answer(Msg::Answer::Yes);
            p.boxes.answer(answer);
            p.trigger("miLvwSitesDelete");
            QCOMPARE(p.boxes.shown().size(), 2);
            QVERIFY(p.boxes.texts()[1].startsWith("The archive could not be backed up before this change: "));
            QCOMPARE(p.boxes.shown()[1].defaultButton, Msg::Answer::No);
            QCOMPARE(siteRows(), answer == Msg::Answer::Yes ? 117 : 120);
        }
        QCOMPARE(bytes(p.dir.filePath("backups")), QByteArray("not a folder"));
    }

    void onlyTheFirstStartOfADayMakesACopy() {
        FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(15, 30, 12)));
        RunningProgram p;
        QVERIFY(p.started);
        const auto startAgain = [&] {
            EndProgram();
            QVERIFY(Main(p.dir.path()));
        };
        QCOMPARE(QDir(BackupFolder()).entryList(QDir::Files), QStringList{"kwz-2026-12-07-153012.db"});
        clock.set(QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59)));
        startAgain();
        QCOMPARE(AutomaticBackups().size(), 1);
        clock.set(QDateTime(QDate(2026, 12, 8), QTime(0, 0, 1)));
        startAgain();
        QCOMPARE(QDir(BackupFolder()).entryList(QDir::Files),
                 (QStringList{"kwz-2026-12-07-153012.db", "kwz-2026-12-08-000001.db"}));
    }
};

QUILL_TEST_MAIN(tst_Backups)
#include "tst_Backups.moc"
