#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

// A temporary program directory holding a fresh copy of the empty database; the program's
// connection string points at it while the object lives.
class TestProgramDir final {
public:
    explicit TestProgramDir(bool withDatabase = true);
    ~TestProgramDir();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString dbPath() const { return filePath(QStringLiteral("kwz.db")); }

    void writeFile(const QString& name, const QByteArray& content) const;
    // Run one statement on the current test database directly (seeding and checking, independent of the
    // program's code).
    static void sql(const QString& statement, const QVariantList& values = {});
    static QVariant scalar(const QString& statement, const QVariantList& values = {});

private:
    QTemporaryDir m_dir;
};
