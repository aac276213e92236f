#include "DbConnection.h"

#include "DbError.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QUrl>

#include <atomic>

QString gConnectionString;

namespace {

QString uniqueConnectionName() {
    static std::atomic<quint64> counter{0};
    return QStringLiteral("quill-%1").arg(++counter);
}

QString uriFor(const QString& path, const char* mode) {
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=") + QLatin1String(mode);
}

} // namespace

QString ConnectionStringFor(const QString& path) {
    return uriFor(path, "rw");
}

QString ReadOnlyConnectionStringFor(const QString& path) {
    return uriFor(path, "ro");
}

DbConnection::DbConnection() : DbConnection(gConnectionString) {}

DbConnection::DbConnection(const QString& connectionString) : m_name(uniqueConnectionName()) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(connectionString);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        const QString text = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw DbError(text);
    }
}

DbConnection::~DbConnection() {
    QSqlDatabase::database(m_name, false).close();
    QSqlDatabase::removeDatabase(m_name);
}

QSqlQuery DbConnection::prepare(const QString& sql) const {
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw DbError(q.lastError().text());
    return q;
}

void ExecPrepared(QSqlQuery& statement, const QVariantList& values) {
    for (qsizetype i = 0; i < values.size(); ++i)
        statement.bindValue(int(i), values[i]);
    if (!statement.exec())
        throw DbError(statement.lastError().text());
}

QSqlQuery DbConnection::run(const QString& sql, const QVariantList& values) const {
    QSqlQuery q = prepare(sql);
    ExecPrepared(q, values);
    return q;
}

QSqlQuery DbConnection::query(const QString& sql, const QVariantList& values) const {
    return run(sql, values);
}

int DbConnection::execute(const QString& sql, const QVariantList& values) const {
    return run(sql, values).numRowsAffected();
}

qint64 DbConnection::insert(const QString& sql, const QVariantList& values) const {
    return run(sql, values).lastInsertId().toLongLong();
}

void DbConnection::transaction(const std::function<void()>& work) const {
    // IMMEDIATE takes the write lock at once, so another writer makes this wait or fail before anything is done.
    execute(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        work();
        execute(QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery rollback(QSqlDatabase::database(m_name, false));
        rollback.exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

QString SqlIdList(const QList<qint64>& ids) {
    QString list;
    for (const qint64 id : ids)
        list += QStringLiteral(", ") + QString::number(id);
    return list.mid(1);
}
