#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// The product fields a PAD file (Portable Application Description, root element XML_DIZ_INFO) carries.
// Reading: a field is set only when its element is present and non-empty (trimmed, references decoded).
// Writing: every field is written; an unset one as an empty element.
struct PadProduct {
    std::optional<QString> Name;
    std::optional<QString> Version;
    std::optional<QDate> ReleaseDate;
    std::optional<QString> PadLocation;
    std::optional<QString> Author;
    std::optional<QString> Email;
    // Kilobytes as the file writes them (a number); bytes only when the file gives bytes but no kilobytes.
    std::optional<QString> SizeKB;
    std::optional<QString> SizeBytes;
    std::optional<QString> ProgramUrl;
    std::optional<QString> Screenshot;
    std::optional<QString> IconUrl;
    std::optional<QString> Download1;
    std::optional<QString> Download2;
    std::optional<QString> BuyUrl;
    std::optional<QString> ShortDescription;
    std::optional<QString> LongDescription;
    std::optional<QString> Keywords;
    std::optional<QString> Limitations;
    std::optional<QString> RecentChanges;
    std::optional<QString> RegNow;
    std::optional<QString> ShareIt;
};

// A PAD file is far smaller; anything larger is refused before it is read in full.
inline constexpr qint64 kPadMaxBytes = 5 * 1024 * 1024;

struct PadReadResult {
    // Why nothing can be taken from the file (one sentence); empty when the file was read.
    QString error;
    // The fields found; none when error is set.
    PadProduct product;
    // Fields the file has but that are left out, each as "Box: reason." (a date that does not exist, a size that is
    // not a number); the other fields are still taken.
    QStringList problems;
    // Faults of the document mended before it could be read (a bare &, an end tag in other letter case), each as
    // one sentence naming the lines.
    QStringList repairs;

    bool ok() const { return error.isEmpty(); }
};

// Reads PAD 3.x and 4.0. A document that is not well-formed only because of a bare & or an end tag in other letter
// case than its start tag is mended (see PadRepair) and read again; every other fault refuses it, naming the line
// and column. Element names are matched without regard to letter case. Descriptions come from
// Program_Descriptions/English, else from its first language block.
// Documents that declare entities are refused (nothing declared can expand); nothing external is ever fetched.
PadReadResult ParsePad(const QByteArray& bytes);

// A well-formed PAD 4.0 file in UTF-8 that ParsePad reads back to the same fields.
QByteArray WritePad(const PadProduct& product);

struct PadBytes {
    QByteArray bytes;
    QString error; // one sentence; empty when the bytes were read
};

// Reads a local file, refusing one larger than kPadMaxBytes by its size before reading it.
PadBytes ReadPadFile(const QString& path);

// Where the text typed as a PAD source points: a local file or a web address.
struct PadSource {
    enum class Kind { None, File, Web, Unsupported } kind = Kind::None;
    QString path; // Kind::File
    QUrl url;     // Kind::Web
};

// http(s) addresses and addresses starting with "www." are web addresses; file: URLs and everything else are local
// paths; other schemes are Unsupported.
PadSource ClassifyPadSource(const QString& text);
