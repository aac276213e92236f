#pragma once

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <functional>

// Where the archive is: set once at start-up. The connection is opened as an SQLite URI in read-write mode,
// so a missing file is an error and never a new empty database.
extern QString gConnectionString;

// The connection string for the database file at path.
QString ConnectionStringFor(const QString& path);
// The same, read-only: for reading a file that is not the archive (a backup copy), which must not change.
QString ReadOnlyConnectionStringFor(const QString& path);

// One database operation's connection: opened on construction, closed when the scope ends.
// Every value goes in bound, never pasted into statement text. Failures throw DbError.
class DbConnection final {
public:
    DbConnection();
    // A connection to another database than the archive.
    explicit DbConnection(const QString& connectionString);
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // Runs a statement that returns rows, read front to back.
    QSqlQuery query(const QString& sql, const QVariantList& values = {}) const;
    // Runs an INSERT, UPDATE or DELETE; returns the number of rows it changed.
    int execute(const QString& sql, const QVariantList& values = {}) const;
    // Runs an INSERT; returns the key the database gave the new row.
    qint64 insert(const QString& sql, const QVariantList& values = {}) const;
    // A statement prepared once for many runs with ExecPrepared.
    QSqlQuery prepare(const QString& sql) const;
    // Runs work as one transaction: committed when it returns, rolled back when it throws (the failure goes on),
    // so a change of several rows is stored whole or not at all.
    void transaction(const std::function<void()>& work) const;

private:
    QSqlQuery run(const QString& sql, const QVariantList& values) const;

    QString m_name;
};

// Runs a prepared statement with these values; throws DbError.
void ExecPrepared(QSqlQuery& statement, const QVariantList& values);

// The text of an identifier list for "IN (...)": built from integers only, so nothing else can get in.
QString SqlIdList(const QList<qint64>& ids);
