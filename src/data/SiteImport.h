#pragma once

#include <QChar>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class DbConnection;

// A site list to import: one site a line, name and submit address separated by a chosen character.
namespace SiteImport {

// The file's text: UTF-16 or UTF-32 when a byte order mark says so; else UTF-8 when it is valid UTF-8 (a byte
// order mark is dropped), Windows-1252 otherwise.
QString Decode(const QByteArray& bytes);
// Lines end at a carriage return, a carriage return and line feed, or a lone line feed.
QStringList SplitLines(const QString& text);
// Reads and decodes a whole file; throws Failure with a readable description.
QString ReadFileText(const QString& path);
// Reads and splits a whole file; throws Failure with a readable description.
QStringList ReadLines(const QString& path);

// The first row must hold the separator after its first character.
bool FirstRowHasSeparator(const QString& firstRow, QChar separator);

struct Site {
    QString name;
    QString submitUrl;
};
// Fields are taken as they stand, blanks included; fields after the second are ignored.
// Throws Failure for a line with fewer than two fields.
Site ParseLine(const QString& line, QChar separator);

// Inserts all the sites in one transaction: all of them are stored or none.
void InsertAll(const QList<Site>& sites);

// Inserts sites over one connection; each row is committed on its own, so a stop keeps every row inserted.
class Inserter final {
public:
    Inserter();
    ~Inserter();
    void Insert(const Site& site);

private:
    std::unique_ptr<DbConnection> m_db;
    QSqlQuery m_statement;
};

} // namespace SiteImport
