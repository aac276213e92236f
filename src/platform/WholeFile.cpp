#include "WholeFile.h"

#include "Failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

void WriteWholeFile(const QString& path, const QByteArray& bytes) {
    const auto failure = [&](const QString& reason) {
        return Failure(QCoreApplication::translate("WholeFile", "%1 cannot be written: %2")
                           .arg(QDir::toNativeSeparators(path), reason));
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failure(file.errorString());
    // Qt 6.4's commit() makes the last buffered write itself and does not report its failure: the flush does. When
    // the disk took only part of a write, Qt names no reason, but errno holds the system's (a full disk, a quota).
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        throw failure(reason);
    }
    if (!file.commit())
        throw failure(file.errorString());
}
