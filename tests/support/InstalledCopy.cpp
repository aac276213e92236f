#include "InstalledCopy.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

InstalledCopy::InstalledCopy(bool withDatabase) {
    if (!QDir().mkpath(binDir()) || !QDir().mkpath(sharedDir()) ||
        !QFile::copy(QStringLiteral(QUILL_DEFAULT_INI), sharedFile(QStringLiteral("kwz.ini"))) ||
        (withDatabase && !QFile::copy(QStringLiteral(QUILL_EMPTY_DB), sharedFile(QStringLiteral("kwz.db")))))
        qFatal("cannot lay out an installed copy in %s", qPrintable(m_dir.path()));
}

QStringList InstalledCopy::prefixSnapshot() const {
    const QDir prefix(m_dir.filePath(QStringLiteral("prefix")));
    QStringList entries;
    QDirIterator it(prefix.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries << QStringLiteral("%1 %2 %3 %4")
                       .arg(prefix.relativeFilePath(info.filePath()))
                       .arg(info.size())
                       .arg(int(info.permissions()), 0, 16)
                       .arg(info.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}
