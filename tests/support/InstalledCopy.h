#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary prefix laid out as `cmake --install` lays it out (bin/, share/<program>/ with the empty database
// and the default settings), and a user data directory under a temporary home that does not exist yet.
class InstalledCopy final {
public:
    InstalledCopy();

    QString binDir() const { return m_dir.filePath(QStringLiteral("prefix/bin")); }
    QString sharedDir() const { return m_dir.filePath(QStringLiteral("prefix/share/" QUILL_PROGRAM_NAME)); }
    QString dataDir() const {
        return m_dir.filePath(QStringLiteral("home/.local/share/Quillomar/QuillomarPadSubmitter"));
    }
    QString sharedFile(const QString& name) const { return sharedDir() + QLatin1Char('/') + name; }
    QString dataFile(const QString& name) const { return dataDir() + QLatin1Char('/') + name; }

private:
    QTemporaryDir m_dir;
};
