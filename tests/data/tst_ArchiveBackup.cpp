#include "ArchiveBackup.h"
#include "DbError.h"
#include "Seed.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"

#include <QDir>
#include <QFile>
#include <QTest>

class tst_ArchiveBackup final : public QObject {
    Q_OBJECT

private slots:
    // A copy made at 15:30:12 on 2026-12-07 where a copy of that name exists, then the folder's rotation.
    void newCopyKeepsTheNewestTenAndOneADayForAWeek() {
        TestProgramDir dir;
        FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(15, 30, 12)));
        QStringList today{"kwz-2026-12-07-153012.db"};
        for (int second = 10; second < 21; ++second)
            today << QString("kwz-2026-12-07-1000%1.db").arg(second);
        const QStringList days{"kwz-2026-12-06-080000.db", "kwz-2026-12-06-090000.db", "kwz-2026-12-05-235959.db",
                               "kwz-2026-12-01-000000.db", "kwz-2026-11-30-235959.db"};
        const QStringList others{"kwz-2026-12-07.db", "kwz-2026-13-01-120000.db", "kwz.db"}; // no automatic copies
        for (const QString& name : today + days + others)
            dir.writeFile("backups/" + name, "x");
        QCOMPARE(QFileInfo(BackUpArchive()).fileName(), QString("kwz-2026-12-07-153012-2.db"));
        QStringList kept = QStringList{"kwz-2026-12-07-153012-2.db", today[0]} + today.mid(4) + days.mid(1, 3) + others;
        kept.sort();
        QCOMPARE(QDir(BackupFolder()).entryList(QDir::Files, QDir::Name), kept);
    }

    // The copies hold passwords: nobody may read them who cannot read the archive.
    void copiesOfAnOwnerOnlyArchiveAreOwnerOnly() {
        TestProgramDir dir;
        CopyArchiveTo(dir.filePath("chosen.db"));
        for (const QString& path : {BackUpArchive(), BackupFolder(), dir.filePath("chosen.db")})
            QCOMPARE(QFile::permissions(path) & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                  QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                     QFile::Permissions());
    }

    // A change the user confirmed goes on without a copy only when the user says so.
    void failedBackupAsksBeforeTheChange() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.writeFile("backups", "not a folder");
        boxes.answer(Msg::Answer::No);
        boxes.answer(Msg::Answer::Yes);
        QVERIFY(!BackUpBeforeChange());
        QVERIFY(BackUpBeforeChange());
        QCOMPARE(boxes.shown().size(), 2);
        QCOMPARE(boxes.shown()[0].defaultButton, Msg::Answer::No);
        QVERIFY(QFile::remove(dir.filePath("backups")));
        QVERIFY(BackUpBeforeChange());
        QCOMPARE(boxes.shown().size(), 2);
        QCOMPARE(AutomaticBackups().size(), 1);
    }

    void restoreIsAllOrNothing() {
        TestProgramDir dir;
        SeedSite("copied");
        const QString copy = BackUpArchive();
        dir.sql("DELETE FROM tab_sites");
        SeedSite("after");
        SeedProduct("P");
        // The sites are replaced before the products fail.
        dir.sql("CREATE TRIGGER refuse BEFORE DELETE ON tab_products BEGIN SELECT RAISE(ABORT, 'refused'); END");
        QVERIFY_THROWS_EXCEPTION(DbError, RestoreArchiveFrom(copy));
        const QString sites =
            "SELECT group_concat(siteID || submitUrl) || COUNT(productID) FROM tab_sites, tab_products";
        QCOMPARE(dir.scalar(sites).toString(), QString("2after1"));
        dir.sql("DROP TRIGGER refuse");
        RestoreArchiveFrom(copy);
        QCOMPARE(SeedSite("new"), 2); // the copy's key sequence came back too
        QCOMPARE(dir.scalar("SELECT group_concat(submitUrl) FROM tab_sites").toString(), QString("copied,new"));
    }
};

QUILL_TEST_MAIN(tst_ArchiveBackup)
#include "tst_ArchiveBackup.moc"
