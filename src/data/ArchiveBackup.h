#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// Copies of the archive and the restore from one. SQLite writes every copy (VACUUM INTO) from one read
// transaction, so a copy is consistent while other connections are open; a copy gets the archive's permissions.
// The automatic copies live in the folder "backups" beside the archive, named kwz-YYYY-MM-DD-HHMMSS.db (-2, -3 ...
// for a second one within the same second); the date and time are those of DbNow's clock.

struct AutomaticBackup {
    QString path;
    QDateTime made; // from the name
};

// What an archive file holds.
struct ArchiveCounts {
    qint64 sites = 0;
    qint64 products = 0;
};

QString BackupFolder();
// The automatic copies in the folder, newest first; other files are not copies.
QList<AutomaticBackup> AutomaticBackups();
// Makes an automatic copy, then rotates the folder; returns the copy's path. Throws Failure. The rotation keeps the
// copy at `spare` (the one a restore is about to read).
QString BackUpArchive(const QString& spare = {});
// Whether the folder holds an automatic copy made today.
bool BackedUpToday();
// For a change the user confirmed (deletion, import, restore): makes an automatic copy; when that fails, says so
// and asks whether to go on without one (No is the default). True when the change may go on; also when there is no
// archive file (nothing to lose: the change itself fails).
bool BackUpBeforeChange(const QString& spare = {});
// Keeps the newest 10 automatic copies and the newest one of each of the last 7 days (today included) and deletes
// the other automatic copies, except the one at `spare`; nothing else in the folder is touched.
void RotateBackups(const QString& spare = {});

// Writes a copy of the archive to path, replacing a file there in one step (never the archive itself).
void CopyArchiveTo(const QString& path);

// The counts of an archive file, read without changing it; throws Failure when they cannot be read.
ArchiveCounts ReadArchiveCounts(const QString& path);
// Checks that the file is an archive the program can restore: an SQLite database that passes quick_check and holds
// the four tables with every column the archive's tables have. Throws Failure with the reason; returns its counts.
ArchiveCounts CheckArchiveFile(const QString& path);
// Replaces every row of the four tables and of the program's extra tables with the file's rows (keys and the tables'
// sequence values included) in one transaction on the archive, so the write-ahead log stays consistent: all or
// nothing. An extra table the file lacks ends empty. Check the file first.
void RestoreArchiveFrom(const QString& path);
