#include "SiteImport.h"

#include "DateText.h"
#include "DbConnection.h"
#include "Failure.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

namespace SiteImport {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unused codes stay as Latin-1 controls.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = byte >= 0x80 && byte <= 0x9F ? QChar(kCp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

} // namespace

QString Decode(const QByteArray& bytes) {
    // Spreadsheets save "Unicode text" as UTF-16 with a byte order mark; read byte by byte it would be
    // names full of NULs.
    if (const auto marked = QStringConverter::encodingForData(bytes); marked && *marked != QStringConverter::Utf8) {
        QStringDecoder decoder(*marked);
        QString text = decoder.decode(bytes);
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return decodeCp1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\r') && text[i] != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

QString ReadFileText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QCoreApplication::translate("SiteImport", "Cannot read %1: %2").arg(path, file.errorString()));
    return Decode(file.readAll());
}

QStringList ReadLines(const QString& path) {
    return SplitLines(ReadFileText(path));
}

bool FirstRowHasSeparator(const QString& firstRow, QChar separator) {
    return firstRow.indexOf(separator, 1) >= 1;
}

Site ParseLine(const QString& line, QChar separator) {
    const QStringList fields = line.split(separator);
    if (fields.size() < 2)
        throw Failure(
            QCoreApplication::translate("SiteImport", "The line has no site name and submit address separated by '%1'.")
                .arg(separator == QLatin1Char('\t') ? QCoreApplication::translate("SiteImport", "Tab")
                                                    : QString(separator)));
    return Site{fields[0], fields[1]};
}

void InsertAll(const QList<Site>& sites) {
    DbConnection db;
    db.transaction([&] {
        QSqlQuery insert =
            db.prepare(QStringLiteral("INSERT INTO tab_sites (name, submitUrl, insertDate) VALUES (?, ?, ?)"));
        const QString now = DbNow();
        for (const Site& site : sites)
            ExecPrepared(insert, {site.name, site.submitUrl, now});
    });
}

Inserter::Inserter() : m_db(std::make_unique<DbConnection>()) {
    // Each row is its own commit; without a sync at every commit ten thousand of them take a second, not minutes.
    m_db->execute(QStringLiteral("PRAGMA synchronous = NORMAL"));
    m_statement = m_db->prepare(QStringLiteral("INSERT INTO tab_sites (name, submitUrl, insertDate) VALUES (?, ?, ?)"));
}

Inserter::~Inserter() {
    m_statement = QSqlQuery();
}

void Inserter::Insert(const Site& site) {
    ExecPrepared(m_statement, {site.name, site.submitUrl, DbNow()});
}

} // namespace SiteImport
