#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// Site lists as people keep them: CSV or TSV (RFC 4180 quoting), the links of a markdown file, an HTML page or a
// browser's exported bookmarks, or a plain list of addresses one a line. Every kind is read into one table whose
// rows are then previewed against the archive. No widgets: the import window only shows what this reads.
namespace SiteListFile {

struct Table {
    QString format;          // what the file was read as, for the user: "CSV", "Markdown links" ...
    QList<QStringList> rows; // the first is the column captions when hasHeader
    bool hasHeader = false;
    int nameColumn = -1; // -1: each site is named after its host
    int addressColumn = 0;
    bool schemeRequired = false; // links of a document: one without a scheme is relative ("README.md")

    QStringList captions() const; // a caption for every column: the header's, or "Column 1" ...
    int columnCount() const;
};

// Reads a file's bytes as the described import does (byte order mark, else UTF-8, else Windows-1252) and its kind
// by its name and first characters; chooses the header and the columns. Throws Failure when it cannot be read.
Table ReadFile(const QString& path);
Table ReadText(const QString& text, const QString& fileName);

// Records of delimited text: a field in double quotes may hold the separator, line breaks and doubled quotes.
// Rows whose fields are all blank are left out.
QList<QStringList> SplitDelimited(const QString& text, QChar separator);

enum class Verdict { Import, AlreadyInList, NotWebAddress };

struct PreviewRow {
    QString name;
    QString address; // as it will be stored: a missing scheme becomes http://
    Verdict verdict = Verdict::Import;
};

// The table's data rows with the chosen columns, judged against the normalised addresses already known; a second
// row with the same address is already in the list too.
QList<PreviewRow> Preview(const Table& table, QSet<QString> known);
// "already in the list", "not a web address", or nothing for a row to import.
QString VerdictText(Verdict verdict);

} // namespace SiteListFile
