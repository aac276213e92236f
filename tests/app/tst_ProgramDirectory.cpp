#include "InstalledCopy.h"
#include "ProgramDirectory.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

// The permission bits as the file system holds them (QFileInfo mixes in the current user's view).
int modeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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
            QVERIFY(QDir(root.path()).mkpath(folder.endsWith('*') ? QFileInfo(folder).path() : folder));
            if (folder.endsWith('*'))
                WriteFile(root.filePath(folder.chopped(1)), "not a folder");
        }
        const QString executable = root.filePath(executableDir);
        const QString data = root.filePath("home/.local/share/data");
        const ProgramLayout layout = DecideLayout(executable, data);
        QCOMPARE(layout.installed, installed);
        QCOMPARE(layout.programDirectory, installed ? data : executable);
        QCOMPARE(layout.sharedDirectory, installed ? root.filePath("usr/share/" + ProgramName) : executable);
        QVERIFY(!QFileInfo::exists(data));
    }

    void buildTreeStaysAPortableCopy() {
        QCOMPARE(RunningProgramLayout().programDirectory, QCoreApplication::applicationDirPath());
    }

    void firstStartSeedsOwnerOnlyCopies() {
        InstalledCopy copy;
        const QStringList prefixBefore = copy.prefixSnapshot();
        QCOMPARE(SeedUserData(DecideLayout(copy.binDir(), copy.dataDir())), QString());
        QCOMPARE(entries(copy.dataDir()), (QStringList{"kwz.db", "kwz.ini"}));
        QCOMPARE(ReadFile(copy.dataFile("kwz.db")), ReadFile(copy.sharedFile("kwz.db")));
        QCOMPARE(ReadFile(copy.dataFile("kwz.ini")), ReadFile(copy.sharedFile("kwz.ini")));
        QCOMPARE(modeOf(copy.dataFile("kwz.db")), 0600);
        QCOMPARE(copy.prefixSnapshot(), prefixBefore);
    }

    void existingFilesAreNeverOverwritten() {
        InstalledCopy copy;
        const ProgramLayout layout = DecideLayout(copy.binDir(), copy.dataDir());
        QVERIFY(QDir().mkpath(copy.dataDir()));
        WriteFile(copy.dataFile("kwz.db"), "the user's sites and passwords");
        QVERIFY(QFile::setPermissions(copy.dataFile("kwz.db"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                   QFileDevice::ReadGroup | QFileDevice::ReadOther));
        // The missing settings file is seeded, the database left exactly as it was.
        QCOMPARE(SeedUserData(layout), QString());
        QCOMPARE(ReadFile(copy.dataFile("kwz.db")), QByteArray("the user's sites and passwords"));
        QCOMPARE(modeOf(copy.dataFile("kwz.db")), 0644);
        QCOMPARE(ReadFile(copy.dataFile("kwz.ini")), ReadFile(copy.sharedFile("kwz.ini")));
        // A later start finds both and changes neither.
        WriteFile(copy.dataFile("kwz.ini"), "[preferences]\nSitesOrder=0\n");
        QCOMPARE(SeedUserData(layout), QString());
        QCOMPARE(ReadFile(copy.dataFile("kwz.db")), QByteArray("the user's sites and passwords"));
        QCOMPARE(ReadFile(copy.dataFile("kwz.ini")), QByteArray("[preferences]\nSitesOrder=0\n"));
        QCOMPARE(entries(copy.dataDir()).size(), 2);
    }

    void problemsNameWhatIsMissing() {
        InstalledCopy copy(false);
        QVERIFY(SeedUserData(DecideLayout(copy.binDir(), copy.dataDir()))
                    .contains(QDir::toNativeSeparators(copy.sharedFile("kwz.db")) + " is missing"));
        QCOMPARE(entries(copy.dataDir()), QStringList{"kwz.ini"});

        // Even root cannot make a folder below a plain file.
        QTemporaryDir other;
        WriteFile(other.filePath("file"), "");
        const QString data = other.filePath("file/data");
        QVERIFY(SeedUserData(DecideLayout(copy.binDir(), data)).contains(QDir::toNativeSeparators(data)));
        QVERIFY(SeedUserData(DecideLayout(copy.binDir(), QString())).contains("No data folder is known"));
    }

    void portableCopyIsLeftAsItIs() {
        QTemporaryDir dir;
        QCOMPARE(SeedUserData(DecideLayout(dir.path(), dir.filePath("unused"))), QString());
        QVERIFY(entries(dir.path()).isEmpty());
    }
};

QUILL_TEST_MAIN(tst_ProgramDirectory)
#include "tst_ProgramDirectory.moc"
