#include "InstalledCopy.h"

#include <QDir>
#include <QFile>

InstalledCopy::InstalledCopy() {
    if (!QDir().mkpath(binDir()) || !QDir().mkpath(sharedDir()) ||
        !QFile::copy(QStringLiteral(QUILL_DEFAULT_INI), sharedFile(QStringLiteral("kwz.ini"))) ||
        !QFile::copy(QStringLiteral(QUILL_EMPTY_DB), sharedFile(QStringLiteral("kwz.db"))))
        qFatal("cannot lay out an installed copy in %s", qPrintable(m_dir.path()));
}
