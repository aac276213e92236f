#include "ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>

namespace {

// The empty database comes first: without it the program cannot work.
const QStringList kSeededFiles = {QStringLiteral("kwz.db"), QStringLiteral("kwz.ini")};

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Copies through a temporary file in the target's folder: the copy is owner-only from its first byte (the
// database will hold the user's site passwords), a failed copy leaves no half file that a later start would
// take for the user's, and the final rename refuses to replace a file that appeared meanwhile.
QString copyAsNewFile(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("ProgramDirectory", "%1 cannot be read: %2")
            .arg(native(source), in.errorString());
    QTemporaryFile out(target + QStringLiteral(".XXXXXX"));
    if (!out.open() || !out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return QCoreApplication::translate("ProgramDirectory", "%1 cannot be created: %2")
            .arg(native(target), out.errorString());
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return QCoreApplication::translate("ProgramDirectory", "%1 cannot be read: %2")
                .arg(native(source), in.errorString());
        if (out.write(chunk) != chunk.size())
            return QCoreApplication::translate("ProgramDirectory", "%1 cannot be written: %2")
                .arg(native(target), out.errorString());
    }
    if (!out.flush() || !out.rename(target))
        return QCoreApplication::translate("ProgramDirectory", "%1 cannot be written: %2")
            .arg(native(target), out.errorString());
    out.setAutoRemove(false);
    return {};
}

} // namespace

ProgramLayout DecideLayout(const QString& executableDirectory, const QString& userDataDirectory) {
    const QDir executable(executableDirectory);
    const QString shared = QDir::cleanPath(executable.absoluteFilePath(QStringLiteral("../share/") + ProgramName));
    if (executable.dirName() == QLatin1String("bin") && QFileInfo(shared).isDir())
        return {true, userDataDirectory, shared};
    return {false, executableDirectory, executableDirectory};
}

ProgramLayout RunningProgramLayout() {
    return DecideLayout(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString SeedUserData(const ProgramLayout& layout) {
    if (!layout.installed)
        return {};
    if (layout.programDirectory.isEmpty())
        return QCoreApplication::translate("ProgramDirectory",
                                           "No data folder is known for this user, so the database cannot be set up. "
                                           "Check that the HOME variable names your home folder.");
    const QString heading = QCoreApplication::translate("ProgramDirectory", "The data folder %1 could not be set up:")
                                .arg(native(layout.programDirectory));
    if (!QDir().mkpath(layout.programDirectory))
        return heading + QStringLiteral("\r\n") +
               QCoreApplication::translate("ProgramDirectory", "the folder cannot be created.");
    QStringList problems;
    for (const QString& name : kSeededFiles) {
        const QString target = QDir(layout.programDirectory).filePath(name);
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        const QString source = QDir(layout.sharedDirectory).filePath(name);
        if (!QFileInfo(source).isFile()) {
            problems << QCoreApplication::translate("ProgramDirectory",
                                                    "%1 is missing from the installation; reinstall the program.")
                            .arg(native(source));
            continue;
        }
        if (const QString problem = copyAsNewFile(source, target); !problem.isEmpty())
            problems << problem;
    }
    return problems.isEmpty() ? QString() : heading + QStringLiteral("\r\n") + problems.join(QStringLiteral("\r\n"));
}
