#include "ArchiveBackup.h"
#include "DbConnection.h"
#include "DbError.h"
#include "ExtraTables.h"
#include "Seed.h"
#include "SiteCommands.h"
#include "SiteDuplicates.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The archive file: opened where it is, changed whole or not at all, copied and restored; duplicate sites merged.
class tst_Archive final : public QObject {
    Q_OBJECT

private slots:
    // A name with blanks, quotes, '#', '?' and characters beyond ASCII opens that file. (A missing archive is never
    // made anew: tst_StartUp.)
    void archiveOpensWhereItIs() {
        TestProgramDir dir;
        const QString odd = dir.filePath("my #1 'data' \"Grüße\" 日?.db");
        QVERIFY(QFile::copy(dir.dbPath(), odd));
        gConnectionString = ConnectionStringFor(odd);
        DbConnection().execute("INSERT INTO tab_products (name) VALUES ('x')");
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_products").toInt(), 1);
    }

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

    // The copies hold passwords: nobody may read them who cannot read the archive, and the folder of copies is
    // owner-only even beside an archive others may read.
    void copiesOfAnOwnerOnlyArchiveAreOwnerOnly() {
        TestProgramDir dir;
        CopyArchiveTo(dir.filePath("chosen.db"));
        const auto othersMay = [](const QString& path) {
            return QFile::permissions(path) & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        };
        for (const QString& path : {BackUpArchive(), BackupFolder(), dir.filePath("chosen.db")})
            QCOMPARE(othersMay(path), QFile::Permissions());
        QVERIFY(QDir(BackupFolder()).removeRecursively());
        QVERIFY(QFile::setPermissions(dir.dbPath(), QFile::permissions(dir.dbPath()) | QFile::ReadGroup));
        BackUpArchive();
        QCOMPARE(othersMay(BackupFolder()), QFile::Permissions());
    }

    void restoreIsAllOrNothing() {
        TestProgramDir dir;
        dir.sql("INSERT INTO tab_sites (submitUrl) VALUES ('copied'), ('gone')");
        dir.sql("DELETE FROM tab_sites WHERE siteID = 2");
        const QString copy = BackUpArchive();
        dir.sql("UPDATE tab_sites SET siteID = 3, submitUrl = 'after'");
        SeedProduct("P");
        // The sites are replaced before the products fail.
        dir.sql("CREATE TRIGGER refuse BEFORE DELETE ON tab_products BEGIN SELECT RAISE(ABORT, 'refused'); END");
        QVERIFY_THROWS_EXCEPTION(DbError, RestoreArchiveFrom(copy));
        QCOMPARE(dir.scalar("SELECT group_concat(siteID || submitUrl) FROM tab_sites").toString(), QString("3after"));
        dir.sql("DROP TRIGGER refuse");
        RestoreArchiveFrom(copy);
        QCOMPARE(SeedSite("new"), 3); // the copy's key sequence came back: no deleted site's key is given again
        QCOMPARE(dir.scalar("SELECT group_concat(submitUrl) FROM tab_sites").toString(), QString("copied,new"));
    }

    // The program's own tables: carried by a copy and its restore; a copy made before one existed restores without
    // it; a deleted site takes its rows there along.
    void extraTablesFollowCopiesAndSites() {
        TestProgramDir dir;
        SeedSite("http://a.example/");
        const QString before = BackUpArchive();
        EnsureExtraTables();
        SeedSite("http://b.example/");
        dir.sql("INSERT INTO tab_siteChecks (siteID, resultCode, checkDate) VALUES (1, 1, 'x'), (2, 4, 'y')");
        const QString with = BackUpArchive();
        dir.sql("DELETE FROM tab_siteChecks");
        RestoreArchiveFrom(with);
        const QString rows = "SELECT group_concat(siteID || ':' || resultCode) FROM tab_siteChecks";
        QCOMPARE(dir.scalar(rows).toString(), QString("1:1,2:4"));
        DeleteSites({1});
        dir.sql("INSERT INTO tab_siteChecks (siteID, resultCode, checkDate) VALUES (?, 6, 'z')",
                {SeedSite("http://b.example/")});
        MergeSites(2, {3});
        QCOMPARE(dir.scalar(rows).toString(), QString("2:4"));
        QCOMPARE(CheckArchiveFile(with).sites, 2);
        RestoreArchiveFrom(before);
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_siteChecks").toInt(), 0);
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_sites").toInt(), 1);
    }

    // Three sites with one address (and one other) merge into the one kept: no history row is lost, each product
    // keeps one status, the more advanced one, with the latest date; a merge that fails changes nothing.
    void duplicatesMergeWithoutLosingRows() {
        TestProgramDir dir;
        const qint32 kept = SeedSite("http://www.x.example/submit.php");
        const qint32 a = SeedSite("https://X.example/submit.php/");
        const qint32 other = SeedSite("http://y.example/submit.php");
        const qint32 b = SeedSite("http://x.example:80/submit.php");
        for (const char* product : {"P1", "P2", "P3"})
            SeedProduct(product);
        SeedStatus(kept, 1, 1, false, "2012-02-01 00:00:00");
        SeedStatus(a, 1, 2, true, "2011-01-01 00:00:00");  // Published beats the later Submitted
        SeedStatus(b, 2, 1, false, "2010-01-01 00:00:00"); // only on a duplicate: moves over
        SeedStatus(kept, 3, 2, false, "2012-01-01 00:00:00");
        SeedStatus(a, 3, 0, false, "2013-01-01 00:00:00");
        SeedStatus(other, 1, 1);
        for (const qint32 site : {kept, a, b, other, a})
            dir.sql("INSERT INTO tab_productHistory (siteID, productID, submitStatus, version, opDate) "
                    "VALUES (?, 1, 1, '1', '2012-01-01')",
                    {site});
        const QList<DuplicateGroup> groups = FindDuplicateSites();
        QCOMPARE(groups.size(), 1);
        QCOMPARE(groups[0].address, QString("x.example/submit.php"));
        QCOMPARE(groups[0].sites.size(), 3);
        QCOMPARE(groups[0].sites[1].statusRows + groups[0].sites[1].historyRows, 4);

        dir.sql("CREATE TRIGGER refuse BEFORE DELETE ON tab_sites BEGIN SELECT RAISE(ABORT, 'refused'); END");
        QVERIFY_THROWS_EXCEPTION(DbError, MergeSites(kept, {a, b}));
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_productStatus WHERE siteID = ?", {a}).toInt(), 2);
        dir.sql("DROP TRIGGER refuse");

        MergeSites(kept, {a, b});
        QCOMPARE(dir.scalar("SELECT group_concat(siteID) FROM tab_sites").toString(),
                 QString("%1,%2").arg(kept).arg(other));
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_productHistory WHERE siteID = ?", {kept}).toInt(), 4);
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_productHistory").toInt(), 5);
        QCOMPARE(dir.scalar("SELECT group_concat(productID || ':' || submitStatus || ':' || oldVersion || ':' || "
                            "insertDate || ':' || updateDate, ' ') FROM (SELECT * FROM tab_productStatus "
                            "WHERE siteID = ? ORDER BY productID)",
                            {kept})
                     .toString(),
                 QString("1:2:1:2011-01-01 00:00:00:2012-02-01 00:00:00 2:1:0:2010-01-01 00:00:00:2010-01-01 00:00:00 "
                         "3:2:0:2012-01-01 00:00:00:2013-01-01 00:00:00"));
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_productStatus").toInt(), 4);
        QVERIFY(FindDuplicateSites().isEmpty());
    }
};

QUILL_TEST_MAIN(tst_Archive)
#include "tst_Archive.moc"
