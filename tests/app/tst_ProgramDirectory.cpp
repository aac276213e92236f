#include "InstalledCopy.h"
#include "ProgramDirectory.h"
#include "TestMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void write(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The permission bits as the file system holds them (QFileInfo mixes in the current user's view).
int modeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

} // namespace

class tst_ProgramDirectory final : public QObject {
    Q_OBJECT

private slots:
    void layoutFollowsWhereTheExecutableSits_data() {
        QTest::addColumn<QStringList>("folders"); // a name ending in '*' is made a plain file
        QTest::addColumn<QString>("executableDir");
        QTest::addColumn<bool>("installed");
        const QString shared = "usr/share/" + ProgramName;
        QTest::newRow("build tree") << QStringList{"build/bin", "build/schema"} << "build/bin" << false;
        QTest::newRow("bin without shared folder") << QStringList{"usr/bin", "usr/share/other"} << "usr/bin" << false;
        QTest::newRow("shared folder beside another folder")
            << QStringList{"usr/libexec", shared} << "usr/libexec" << false;
        QTest::newRow("shared name taken by a file") << QStringList{"usr/bin", shared + "*"} << "usr/bin" << false;
        QTest::newRow("installed") << QStringList{"usr/bin", shared} << "usr/bin" << true;
    }
    void layoutFollowsWhereTheExecutableSits() {
        QFETCH(QStringList, folders);
        QFETCH(QString, executableDir);
        QFETCH(bool, installed);
        QTemporaryDir root;
        for (const QString& folder : folders) {
            if (folder.endsWith('*')) {
                QVERIFY(QDir(root.path()).mkpath(QFileInfo(folder).path()));
                write(root.filePath(folder.chopped(1)), "not a folder");
            } else {
                QVERIFY(QDir(root.path()).mkpath(folder));
            }
        }
        const QString executable = root.filePath(executableDir);
        const QString data = root.filePath("home/.local/share/data");

        const ProgramLayout layout = DecideLayout(executable, data);
        QCOMPARE(layout.installed, installed);
        if (installed) {
            QCOMPARE(layout.programDirectory, data);
            QCOMPARE(layout.sharedDirectory, root.filePath("usr/share/" + ProgramName));
        } else {
            QCOMPARE(layout.programDirectory, executable);
            QCOMPARE(layout.sharedDirectory, executable);
        }
        QVERIFY(!QFileInfo::exists(data));
    }

    void buildTreeStaysAPortableCopy() {
        const ProgramLayout layout = RunningProgramLayout();
        QVERIFY(!layout.installed);
        QCOMPARE(layout.programDirectory, QCoreApplication::applicationDirPath());
        QCOMPARE(layout.sharedDirectory, QCoreApplication::applicationDirPath());
    }

    void firstStartSeedsOwnerOnlyCopies() {
        InstalledCopy copy;
        const QStringList prefixBefore = copy.prefixSnapshot();
        const ProgramLayout layout = DecideLayout(copy.binDir(), copy.dataDir());
        QVERIFY(layout.installed);

        QCOMPARE(SeedUserData(layout), QString());
        QCOMPARE(QDir(copy.dataDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"kwz.db", "kwz.ini"}));
        QCOMPARE(contents(copy.dataFile("kwz.db")), contents(copy.sharedFile("kwz.db")));
        QCOMPARE(contents(copy.dataFile("kwz.ini")), contents(copy.sharedFile("kwz.ini")));
        QCOMPARE(modeOf(copy.dataFile("kwz.db")), 0600);
        QCOMPARE(copy.prefixSnapshot(), prefixBefore);
    }

    void existingFilesAreNeverOverwritten() {
        InstalledCopy copy;
        const ProgramLayout layout = DecideLayout(copy.binDir(), copy.dataDir());
        QVERIFY(QDir().mkpath(copy.dataDir()));
        write(copy.dataFile("kwz.db"), "the user's sites and passwords");
        QFile::setPermissions(copy.dataFile("kwz.db"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                           QFileDevice::ReadGroup | QFileDevice::ReadOther);

        // The missing settings file is seeded, the database left exactly as it was.
        QCOMPARE(SeedUserData(layout), QString());
        QCOMPARE(contents(copy.dataFile("kwz.db")), QByteArray("the user's sites and passwords"));
        QCOMPARE(modeOf(copy.dataFile("kwz.db")), 0644);
        QCOMPARE(contents(copy.dataFile("kwz.ini")), contents(copy.sharedFile("kwz.ini")));

        // Every later start finds both and changes neither.
        write(copy.dataFile("kwz.ini"), "[preferences]\nSitesOrder=0\n");
        QCOMPARE(SeedUserData(layout), QString());
        QCOMPARE(contents(copy.dataFile("kwz.db")), QByteArray("the user's sites and passwords"));
        QCOMPARE(contents(copy.dataFile("kwz.ini")), QByteArray("[preferences]\nSitesOrder=0\n"));
        QCOMPARE(QDir(copy.dataDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);
    }

    void missingSharedDatabaseIsNamedAndOnlyTheSettingsAreSeeded() {
        InstalledCopy copy(false);
        const QString problem = SeedUserData(DecideLayout(copy.binDir(), copy.dataDir()));
        QVERIFY2(problem.contains(QDir::toNativeSeparators(copy.sharedFile("kwz.db")) + " is missing"),
                 qPrintable(problem));
        QVERIFY(problem.contains("reinstall"));
        QCOMPARE(QDir(copy.dataDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"kwz.ini"});
    }

    void dataFolderThatCannotBeMadeIsNamed() {
        InstalledCopy copy;
        QTemporaryDir other;
        // Even root cannot make a folder below a plain file.
        write(other.filePath("file"), "");
        const QString data = other.filePath("file/data");
        const QString problem = SeedUserData(DecideLayout(copy.binDir(), data));
        QVERIFY2(problem.contains(QDir::toNativeSeparators(data)), qPrintable(problem));
        QVERIFY(!QFileInfo::exists(data));

        QVERIFY(SeedUserData(DecideLayout(copy.binDir(), QString())).contains("No data folder is known"));
    }

    void portableCopyIsLeftAsItIs() {
        QTemporaryDir dir;
        const ProgramLayout layout = DecideLayout(dir.path(), dir.filePath("unused"));
        QCOMPARE(SeedUserData(layout), QString());
        QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
};

QUILL_TEST_MAIN(tst_ProgramDirectory)
#include "tst_ProgramDirectory.moc"
