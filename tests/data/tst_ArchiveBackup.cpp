#include "ArchiveBackup.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// Names of `count` copies a second apart from the moment `stamp` (yyyy-MM-dd-HHmmss).
QStringList copies(const QString& stamp, int count) {
    QStringList names;
    const QDateTime first = QDateTime::fromString(stamp, "yyyy-MM-dd-HHmmss");
    for (int i = 0; i < count; ++i)
        names << "kwz-" + first.addSecs(i).toString("yyyy-MM-dd-HHmmss") + ".db";
    return names;
}

// Files in the folder that are no automatic copies: never touched.
const QStringList kOthers = {"notes.txt", "kwz-2026-12-07.db", "kwz-2026-13-01-120000.db", "kwz.db"};
const QString kNew = "kwz-2026-12-07-153012.db";

} // namespace

class tst_ArchiveBackup final : public QObject {
    Q_OBJECT

private slots:
    // A copy made at 2026-12-07 15:30:12 among these files, then the folder's rotation.
    void newCopyKeepsTheNewestTenAndOneADayForAWeek_data() {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QStringList>("kept");
        const QStringList today = copies("2026-12-07-100000", 12);
        QTest::newRow("newest ten") << today << today.mid(3) + QStringList{kNew};

        const QStringList days = {"kwz-2026-12-06-080000.db", "kwz-2026-12-06-090000.db", "kwz-2026-12-05-235959.db",
                                  "kwz-2026-12-01-000000.db", "kwz-2026-11-30-235959.db"};
        QTest::newRow("one a day") << today.mid(0, 10) + days
                                   << today.mid(1, 9) + QStringList{kNew, days[1], days[2], days[3]};

        QStringList sameSecond{"kwz-2026-01-01-120000.db"};
        for (int i = 2; i <= 11; ++i)
            sameSecond << QString("kwz-2026-01-01-120000-%1.db").arg(i);
        QTest::newRow("numbered within a second") << sameSecond << sameSecond.mid(2) + QStringList{kNew};
        QTest::newRow("name taken") << QStringList{kNew} << QStringList{kNew, "kwz-2026-12-07-153012-2.db"};
    }
    void newCopyKeepsTheNewestTenAndOneADayForAWeek() {
        QFETCH(QStringList, existing);
        QFETCH(QStringList, kept);
        TestProgramDir dir;
        FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(15, 30, 12)));
        QVERIFY(QDir().mkdir(BackupFolder()));
        for (const QString& name : existing + kOthers)
            dir.writeFile("backups/" + name, "x");
        BackUpArchive();
        QStringList expected = kept + kOthers;
        expected.sort();
        QStringList present = QDir(BackupFolder()).entryList(QDir::Files);
        present.sort();
        QCOMPARE(present, expected);
    }

    void copiesTakeTheArchivesPermissions_data() {
        QTest::addColumn<QFile::Permissions>("archive");
        QTest::newRow("owner only") << (QFile::ReadOwner | QFile::WriteOwner);
        QTest::newRow("group reads") << (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    }
    void copiesTakeTheArchivesPermissions() {
        QFETCH(QFile::Permissions, archive);
        TestProgramDir dir;
        QVERIFY(QFile::setPermissions(dir.dbPath(), archive));
        const QString automatic = BackUpArchive();
        CopyArchiveTo(dir.filePath("chosen.db"));
        const auto permissions = [](const QString& path) {
            return QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        };
        QCOMPARE(permissions(automatic), archive);
        QCOMPARE(permissions(dir.filePath("chosen.db")), archive);
        // The folder is owner-only when the archive is.
        QCOMPARE(bool(permissions(BackupFolder()) & (QFile::ReadGroup | QFile::ReadOther)),
                 bool(archive & QFile::ReadGroup));
    }
};

QUILL_TEST_MAIN(tst_ArchiveBackup)
#include "tst_ArchiveBackup.moc"
