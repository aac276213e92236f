#include "DbConnection.h"
#include "Failure.h"
#include "HomePage.h"
#include "IniFile.h"
#include "PadFile.h"
#include "Spies.h"
#include "SubmissionReport.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "WholeFile.h"

#include <QDir>
#include <QSqlQuery>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Writer = std::function<void(const QString& path)>;

// Below every new file's size (the write without it checks) and the 16 KB that Qt buffers, so the failing write is
// the one made while the file is committed.
constexpr rlim_t kSizeLimit = 40;

// Runs the writer in a child process whose files cannot grow beyond kSizeLimit bytes, as on a full disk or a quota.
// Its exit code: 1 when the writer said the file cannot be written and why, 0 when it returned normally.
int writeUnderSizeLimit(const Writer& write, const QString& path) {
    const pid_t child = fork();
    if (child == 0) {
        // The archive stays open, so SQLite's shared-memory file has its full size before the limit.
        const DbConnection archive;
        archive.query("SELECT COUNT(*) FROM tab_sites").next();
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{kSizeLimit, kSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            write(path);
        } catch (const Failure& e) {
            const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG)); // "File too large"
            _exit(e.description() == QDir::toNativeSeparators(path) + " cannot be written: " + reason ? 1 : 2);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

Q_DECLARE_METATYPE(Writer)

// Every file the program writes is whole or not written.
class tst_FileWrites final : public QObject {
    Q_OBJECT

private slots:
    void failedWriteKeepsTheFileAsItWas_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<Writer>("write");
        QTest::newRow("settings") << "kwz.ini" << QByteArray("; mine\r\n[preferences]\r\nSitesOrder=1\r\n")
                                  << Writer(
                                         [](const QString& path) { IniWrite(path, "preferences", "PopUpBlock", "1"); });
        QTest::newRow("PAD export") << "pad.xml" << QByteArray() << Writer([](const QString& path) {
            PadProduct pad;
            pad.Name = "Planner";
            WriteWholeFile(path, WritePad(pad));
        });
        QTest::newRow("home page") << "webStart.html" << QByteArray("<HTML>old</HTML>\r\n")
                                   << Writer([](const QString& path) { WriteHomePage(path, "Loading"); });
        QTest::newRow("report") << "report.html" << QByteArray() << Writer([](const QString& path) {
            WriteSubmissionReport(path, "Planner", {{"Site", "http://a.example/", "Submitted", "No", "", ""}});
        });
    }
    void failedWriteKeepsTheFileAsItWas() {
        QFETCH(QString, name);
        QFETCH(QByteArray, before);
        QFETCH(Writer, write);
        TestProgramDir dir;
        MsgBoxSpy boxes;
        const QString path = dir.filePath(name);
        if (!before.isNull())
            WriteFile(path, before);
        QCOMPARE(writeUnderSizeLimit(write, path), 1);
        QCOMPARE(ReadFile(path), before);
        QCOMPARE(QDir(dir.path()).entryList({name + '*'}, QDir::Files | QDir::Hidden),
                 before.isNull() ? QStringList() : QStringList{name});
        write(path);
        QVERIFY(QFileInfo(path).size() > qint64(kSizeLimit));
    }
};

QUILL_TEST_MAIN(tst_FileWrites)
#include "tst_FileWrites.moc"
