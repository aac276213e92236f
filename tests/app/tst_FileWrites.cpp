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

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using Writer = std::function<void(const QString& path)>;
Q_DECLARE_METATYPE(Writer)

// Every file the program writes is whole or not written.
class tst_FileWrites final : public QObject {
    Q_OBJECT

    // Below each new file's size, and below the 16 KB that Qt buffers, so the write that fails is the buffered one
    // Qt makes last.
    static constexpr rlim_t kSizeLimit = 40;

private slots:
    void failedWriteKeepsTheFileAsItWas_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<Writer>("write");
        QTest::newRow("settings") << "kwz.ini" << QByteArray("; mine\r\n[preferences]\r\nSitesOrder=1\r\n")
                                  << Writer([](const QString& path) { IniWrite(path, "window", "top", "5"); });
        QTest::newRow("PAD export") << "pad.xml" << QByteArray()
                                    << Writer([](const QString& path) { WriteWholeFile(path, WritePad({})); });
        QTest::newRow("home page") << "webStart.html" << QByteArray("<HTML>old</HTML>\r\n")
                                   << Writer([](const QString& path) { WriteHomePage(path, "Loading"); });
        QTest::newRow("report") << "report.html" << QByteArray() << Writer([](const QString& path) {
            WriteSubmissionReport(path, "Planner", {{"Site", "http://a.example/", "Submitted", "No", "", ""}});
        });
    }
    // The writer runs in a child process whose files cannot grow beyond kSizeLimit bytes, as on a full disk or a
    // quota; it must say why the file cannot be written. The same write without the limit then succeeds.
    void failedWriteKeepsTheFileAsItWas() {
        QFETCH(QString, name);
        QFETCH(QByteArray, before);
        QFETCH(Writer, write);
        TestProgramDir dir;
        MsgBoxSpy boxes;
        const QString path = dir.filePath(name);
        if (!before.isNull())
            WriteFile(path, before);
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
                _exit(e.description() ==
                      QDir::toNativeSeparators(path) + " cannot be written: " + std::strerror(EFBIG));
            }
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 1, "the write was not reported as failed");
        QCOMPARE(ReadFile(path), before);
        QCOMPARE(QDir(dir.path()).entryList({name + '*'}, QDir::Files | QDir::Hidden),
                 before.isNull() ? QStringList() : QStringList{name});
        write(path);
        QVERIFY(QFileInfo(path).size() > qint64(kSizeLimit));
    }
};

QUILL_TEST_MAIN(tst_FileWrites)
#include "tst_FileWrites.moc"
