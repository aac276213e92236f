// Starting the program itself on a large archive: from starting its process until the main window's home page has
// loaded in the embedded browser, which is what a user waits for after starting it.
#include "ArchiveBackup.h"
#include "Bench.h"
#include "IniFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <signal.h>
#include <unistd.h>

namespace {

constexpr int kTimeoutMs = 60000;

std::unique_ptr<QTemporaryDir> gProgramDir;
std::unique_ptr<QProcess> gProgram;

// The engine's helper processes share the program's process group, so ending the group ends them all.
void endProgram() {
    if (!gProgram)
        return;
    if (gProgram->state() != QProcess::NotRunning) {
        ::kill(-pid_t(gProgram->processId()), SIGKILL);
        gProgram->waitForFinished();
    }
    gProgram.reset();
}

void startUntilHomePage() {
    gProgram = std::make_unique<QProcess>();
    // The tests' environment (no window, the engine's sandbox off), with the start-up line turned on.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& setting : QStringLiteral(QUILL_TEST_ENVIRONMENT).split(QLatin1Char('|'))) {
        const qsizetype equals = setting.indexOf(QLatin1Char('='));
        environment.insert(setting.left(equals), setting.mid(equals + 1));
    }
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), environment.value(QStringLiteral("QT_LOGGING_RULES")) +
                                                               QStringLiteral(";quill.startup.info=true"));
    gProgram->setProcessEnvironment(environment);
    gProgram->setProgram(gProgramDir->filePath(QStringLiteral(QUILL_PROGRAM_NAME)));
    gProgram->setStandardOutputFile(QProcess::nullDevice());
    gProgram->setReadChannel(QProcess::StandardError);
    gProgram->setChildProcessModifier([] { ::setpgid(0, 0); });
    gProgram->start();

    // A message box before the main window blocks the start: the line never comes and the time runs out. One
    // shown while the home page loads is named on the line.
    const QByteArray mark = "home page loaded";
    QByteArray output;
    QElapsedTimer waited;
    waited.start();
    qsizetype found = -1;
    while ((found = output.indexOf(mark)) < 0 || output.indexOf('\n', found) < 0) {
        if (gProgram->state() == QProcess::NotRunning || waited.elapsed() > kTimeoutMs)
            qFatal("the program showed no home page:\n%s", output.right(4000).constData());
        gProgram->waitForReadyRead(50);
        output += gProgram->readAllStandardError();
    }
    const QByteArray line = output.mid(found, output.indexOf('\n', found) - found).trimmed();
    if (line != mark)
        qFatal("the start was not clean: %s", line.constData());
}

// A portable copy on its own: the executable, a copy of the seeded archive, and the shipped settings with the
// maker's site left unopened.
void prepare() {
    MakeBenchArchive();
    SeedBenchArchive(5000, 20, 1);
    gProgramDir = std::make_unique<QTemporaryDir>();
    const QString executable = gProgramDir->filePath(QStringLiteral(QUILL_PROGRAM_NAME));
    const QString settings = gProgramDir->filePath(QStringLiteral("kwz.ini"));
    if (!QFile::copy(QStringLiteral(QUILL_PROGRAM), executable) ||
        !QFile::copy(QStringLiteral(QUILL_DEFAULT_INI), settings))
        qFatal("cannot set up the program directory %s", qPrintable(gProgramDir->path()));
    IniWrite(settings, QStringLiteral("preferences"), QStringLiteral("OpenHomeAtStart"), QStringLiteral("0"));
    CopyArchiveTo(gProgramDir->filePath(QStringLiteral("kwz.db")));
    // Untimed: the day's first start also copies the archive; the timed ones are the later starts of that day.
    startUntilHomePage();
    endProgram();
}

const bool registered = [] {
    RegisterBenchCase({QStringLiteral("start_to_home"), prepare, startUntilHomePage,
                       [] {
                           endProgram();
                           gProgramDir.reset();
                       },
                       endProgram});
    return true;
}();

} // namespace
