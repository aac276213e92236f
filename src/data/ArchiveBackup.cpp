#include "ArchiveBackup.h"

#include "DateText.h"
#include "DbConnection.h"
#include "DbError.h"
#include "ExtraTables.h"
#include "MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUrl>

#include <algorithm>
#include <filesystem>

namespace {

const QStringList kTables = {QStringLiteral("tab_sites"), QStringLiteral("tab_products"),
                             QStringLiteral("tab_productStatus"), QStringLiteral("tab_productHistory")};
constexpr int kNewestKept = 10;
constexpr int kDaysKept = 7;
const QString kStampFormat = QStringLiteral("yyyy-MM-dd-HHmmss");

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The connection string names the archive; there is no other record of where it is below the windows.
QString archivePath() {
    return QUrl(gConnectionString).toLocalFile();
}

struct NamedCopy {
    AutomaticBackup copy;
    int sequence = 1; // the -2, -3 ... of copies made within one second
};

QList<NamedCopy> namedCopies() {
    static const QRegularExpression pattern(QStringLiteral(R"(^kwz-(\d{4}-\d{2}-\d{2}-\d{6})(?:-(\d+))?\.db$)"));
    const QDir folder(BackupFolder());
    QList<NamedCopy> copies;
    for (const QString& name : folder.entryList({QStringLiteral("kwz-*.db")}, QDir::Files)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (!match.hasMatch())
            continue;
        const QDateTime made = QDateTime::fromString(match.captured(1), kStampFormat);
        if (!made.isValid())
            continue;
        copies.append({{folder.filePath(name), made}, match.captured(2).isEmpty() ? 1 : match.captured(2).toInt()});
    }
    std::sort(copies.begin(), copies.end(), [](const NamedCopy& a, const NamedCopy& b) {
        return a.copy.made != b.copy.made ? a.copy.made > b.copy.made : a.sequence > b.sequence;
    });
    return copies;
}

// The folder, made owner-only: the copies hold the site passwords.
QString backupFolderMade() {
    const QString folder = BackupFolder();
    if (QFileInfo(folder).isDir())
        return folder;
    if (!QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        throw Failure(
            QCoreApplication::translate("ArchiveBackup", "The folder %1 cannot be made.").arg(native(folder)));
    return folder;
}

// SQLite writes the copy into an owner-only temporary file beside the target, which then gets the archive's
// permissions and takes the target's name in one step: no half-written file ever carries the name.
void writeCopy(const QString& target) {
    const QString archive = archivePath();
    if (!QFileInfo(archive).isFile())
        throw Failure(
            QCoreApplication::translate("ArchiveBackup", "The archive %1 does not exist.").arg(native(archive)));
    QTemporaryFile part(QFileInfo(target).absolutePath() + QStringLiteral("/.kwz-XXXXXX.part"));
    if (!part.open())
        throw Failure(QCoreApplication::translate("ArchiveBackup", "%1 cannot be written: %2")
                          .arg(native(target), part.errorString()));
    part.close();
    {
        DbConnection db;
        db.execute(QStringLiteral("VACUUM INTO ?"), {part.fileName()});
    }
    if (!part.setPermissions(QFile::permissions(archive)))
        throw Failure(QCoreApplication::translate("ArchiveBackup", "%1 cannot be written: %2")
                          .arg(native(target), part.errorString()));
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(part.fileName()).toStdString(), QFile::encodeName(target).toStdString(),
                            error);
    if (error)
        throw Failure(QCoreApplication::translate("ArchiveBackup", "%1 cannot be written: %2")
                          .arg(native(target), QString::fromStdString(error.message())));
    part.setAutoRemove(false);
}

QStringList columnsOf(const DbConnection& db, const QString& table, const QString& schema) {
    QSqlQuery q = db.query(QStringLiteral("SELECT name FROM pragma_table_info(?, ?)"), {table, schema});
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

qint64 count(const DbConnection& db, const QString& table) {
    QSqlQuery q = db.query(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
    return q.next() ? q.value(0).toLongLong() : 0;
}

ArchiveCounts countsOf(const DbConnection& db) {
    return {count(db, QStringLiteral("tab_sites")), count(db, QStringLiteral("tab_products"))};
}

bool sameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString BackupFolder() {
    return QFileInfo(archivePath()).absolutePath() + QStringLiteral("/backups");
}

QList<AutomaticBackup> AutomaticBackups() {
    QList<AutomaticBackup> copies;
    for (const NamedCopy& named : namedCopies())
        copies << named.copy;
    return copies;
}

QString BackUpArchive(const QString& spare) {
    const QString folder = backupFolderMade();
    const QString stem = folder + QStringLiteral("/kwz-") + DbClockNow().toString(kStampFormat);
    QString path = stem + QStringLiteral(".db");
    for (int sequence = 2; QFileInfo::exists(path); ++sequence)
        path = stem + QStringLiteral("-%1.db").arg(sequence);
    writeCopy(path);
    RotateBackups(spare);
    return path;
}

bool BackedUpToday() {
    const QDate today = DbClockNow().date();
    const QList<AutomaticBackup> copies = AutomaticBackups();
    return std::any_of(copies.cbegin(), copies.cend(),
                       [&](const AutomaticBackup& copy) { return copy.made.date() == today; });
}

bool BackUpBeforeChange(const QString& spare) {
    // Without an archive there is nothing to lose, and the change fails with its own message.
    if (!QFileInfo(archivePath()).isFile())
        return true;
    try {
        BackUpArchive(spare);
        return true;
    } catch (const std::exception& e) {
        return MsgBox(QCoreApplication::translate("ArchiveBackup",
                                                  "The archive could not be backed up before this change: %1\r\n\r\n"
                                                  "Go on without a backup?")
                          .arg(FailureText(e)),
                      Msg::Buttons::YesNo, Msg::Icon::Exclamation, Msg::Answer::No,
                      QCoreApplication::translate("ArchiveBackup", "Backup")) == Msg::Answer::Yes;
    }
}

void RotateBackups(const QString& spare) {
    const QDate today = DbClockNow().date();
    const QList<AutomaticBackup> copies = AutomaticBackups();
    QSet<QDate> daysKept;
    for (int i = 0; i < copies.size(); ++i) {
        const QDate day = copies[i].made.date();
        const bool newestOfRecentDay = day <= today && day > today.addDays(-kDaysKept) && !daysKept.contains(day);
        if (newestOfRecentDay)
            daysKept.insert(day);
        if (i < kNewestKept || newestOfRecentDay || copies[i].path == spare)
            continue;
        // A copy that cannot be deleted now is deleted by a later rotation; the new copy stands all the same.
        QFile::remove(copies[i].path);
    }
}

void CopyArchiveTo(const QString& path) {
    if (sameFile(path, archivePath()))
        throw Failure(QCoreApplication::translate("ArchiveBackup", "%1 is the archive itself.").arg(native(path)));
    writeCopy(path);
}

ArchiveCounts ReadArchiveCounts(const QString& path) {
    const DbConnection db(ReadOnlyConnectionStringFor(path));
    return countsOf(db);
}

ArchiveCounts CheckArchiveFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        throw Failure(QCoreApplication::translate("ArchiveBackup", "there is no file %1").arg(native(path)));
    if (sameFile(path, archivePath()))
        throw Failure(QCoreApplication::translate("ArchiveBackup", "it is the archive itself"));
    QHash<QString, QStringList> required;
    {
        const DbConnection archive;
        for (const QString& table : kTables)
            required[table] = columnsOf(archive, table, QStringLiteral("main"));
    }
    try {
        const DbConnection db(ReadOnlyConnectionStringFor(path));
        QSqlQuery check = db.query(QStringLiteral("PRAGMA quick_check"));
        if (check.next() && check.value(0).toString() != QLatin1String("ok"))
            throw Failure(
                QCoreApplication::translate("ArchiveBackup", "it is damaged (%1)").arg(check.value(0).toString()));
        check = QSqlQuery();
        for (const QString& table : kTables) {
            const QStringList present = columnsOf(db, table, QStringLiteral("main"));
            if (present.isEmpty())
                throw Failure(QCoreApplication::translate("ArchiveBackup", "it holds no table %1").arg(table));
            for (const QString& column : required[table]) {
                if (!present.contains(column, Qt::CaseInsensitive))
                    throw Failure(QCoreApplication::translate("ArchiveBackup", "its table %1 has no column %2")
                                      .arg(table, column));
            }
        }
        return countsOf(db);
    } catch (const DbError& e) {
        throw Failure(
            QCoreApplication::translate("ArchiveBackup", "it cannot be read as a database (%1)").arg(e.description()));
    }
}

void RestoreArchiveFrom(const QString& path) {
    const DbConnection db;
    db.execute(QStringLiteral("ATTACH DATABASE ? AS source"), {ReadOnlyConnectionStringFor(path)});
    QSqlQuery sequence =
        db.query(QStringLiteral("SELECT COUNT(*) FROM source.sqlite_master WHERE name = 'sqlite_sequence'"));
    const bool sourceHasSequence = sequence.next() && sequence.value(0).toInt() > 0;
    sequence = QSqlQuery();
    QStringList sequenced = kTables;
    for (const ExtraTable& table : ExtraTables())
        sequenced << table.name;
    const QString tableList = QLatin1Char('\'') + sequenced.join(QStringLiteral("', '")) + QLatin1Char('\'');
    db.transaction([&] {
        EnsureExtraTables(db);
        for (const QString& table : kTables) {
            QStringList quoted;
            for (const QString& column : columnsOf(db, table, QStringLiteral("main")))
                quoted << QLatin1Char('"') + column + QLatin1Char('"');
            db.execute(QStringLiteral("DELETE FROM main.%1").arg(table));
            db.execute(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM source.%1")
                           .arg(table, quoted.join(QStringLiteral(", "))));
        }
        // A copy made before an extra table existed leaves that table empty; one made before a column existed
        // leaves that column at its default.
        for (const ExtraTable& table : ExtraTables()) {
            const QStringList present = columnsOf(db, table.name, QStringLiteral("source"));
            QStringList quoted;
            for (const QString& column : columnsOf(db, table.name, QStringLiteral("main"))) {
                if (present.contains(column, Qt::CaseInsensitive))
                    quoted << QLatin1Char('"') + column + QLatin1Char('"');
            }
            db.execute(QStringLiteral("DELETE FROM main.%1").arg(table.name));
            if (!quoted.isEmpty())
                db.execute(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM source.%1")
                               .arg(table.name, quoted.join(QStringLiteral(", "))));
        }
        // The archive takes the copy's sequence values too: it becomes the copy as it was.
        db.execute(QStringLiteral("DELETE FROM main.sqlite_sequence WHERE name IN (%1)").arg(tableList));
        if (sourceHasSequence)
            db.execute(QStringLiteral("INSERT INTO main.sqlite_sequence (name, seq) SELECT name, seq FROM "
                                      "source.sqlite_sequence WHERE name IN (%1)")
                           .arg(tableList));
    });
}
