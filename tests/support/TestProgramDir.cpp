#include "TestProgramDir.h"

#include "DbConnection.h"
#include "TestFiles.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

TestProgramDir::TestProgramDir(bool withDatabase) {
    if (withDatabase && !QFile::copy(QStringLiteral(QUILL_EMPTY_DB), dbPath()))
        qFatal("cannot copy the empty database %s", QUILL_EMPTY_DB);
    QFile::setPermissions(dbPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    gConnectionString = ConnectionStringFor(dbPath());
}

TestProgramDir::~TestProgramDir() {
    gConnectionString.clear();
}

void TestProgramDir::writeFile(const QString& name, const QByteArray& content) const {
    WriteFile(filePath(name), content);
}

void TestProgramDir::sql(const QString& statement, const QVariantList& values) {
    DbConnection db;
    db.execute(statement, values);
}

QVariant TestProgramDir::scalar(const QString& statement, const QVariantList& values) {
    DbConnection db;
    QSqlQuery q = db.query(statement, values);
    return q.next() ? q.value(0) : QVariant();
}
