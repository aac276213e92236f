#include "SiteListFile.h"

#include "SiteAddress.h"
#include "SiteImport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <optional>

namespace SiteListFile {

namespace {

constexpr QChar kSeparators[] = {u'\t', u',', u';', u'|'};
// Enough records to tell the separator and the header by; a list's first lines are like the rest.
constexpr int kSampleRecords = 50;

bool blankRow(const QStringList& row) {
    return std::all_of(row.begin(), row.end(), [](const QString& field) { return field.trimmed().isEmpty(); });
}

// The separator whose records most often split into the same number of fields (more than one); none when no
// candidate splits half of the records alike.
std::optional<QChar> detectSeparator(const QString& text) {
    std::optional<QChar> best;
    int bestScore = 0;
    qsizetype sampled = 0;
    const QString sample = text.left(20000);
    for (const QChar separator : kSeparators) {
        QList<QStringList> records = SplitDelimited(sample, separator);
        if (records.size() > kSampleRecords)
            records.resize(kSampleRecords);
        sampled = std::max(sampled, records.size());
        QHash<qsizetype, int> widths;
        for (const QStringList& record : records)
            if (record.size() > 1)
                ++widths[record.size()];
        int score = 0;
        for (const int count : widths)
            score = std::max(score, count);
        if (score > bestScore) {
            bestScore = score;
            best = separator;
        }
    }
    return bestScore * 2 >= sampled ? best : std::nullopt;
}

// The links of a document in reading order, tables and lists included: each anchor's text (pictures left out) and
// its target. An anchor cut into fragments by its formatting is one link.
QList<QStringList> documentLinks(const QTextDocument& document) {
    QList<QStringList> links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString href;
        QString text;
        const auto flush = [&] {
            if (!href.isEmpty())
                links.append({text.replace(QChar::ObjectReplacementCharacter, QLatin1Char(' ')).simplified(), href});
            href.clear();
            text.clear();
        };
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QString target = format.isAnchor() ? format.anchorHref() : QString();
            if (target != href)
                flush();
            href = target;
            if (!href.isEmpty())
                text += fragment.text();
        }
        flush();
    }
    return links;
}

Table linksTable(const QString& format, const QTextDocument& document) {
    Table table;
    table.format = format;
    table.rows = documentLinks(document);
    table.schemeRequired = true;
    table.nameColumn = 0;
    table.addressColumn = 1;
    return table;
}

int webAddressesIn(const QList<QStringList>& rows, int column, qsizetype from) {
    int count = 0;
    for (qsizetype i = from; i < rows.size(); ++i)
        if (column < rows[i].size() && IsWebAddress(rows[i][column]))
            ++count;
    return count;
}

// The column whose values are web addresses; a first row without any is the captions; the name is the column a
// caption calls so, else the text column beside the addresses.
void chooseColumns(Table& table) {
    const int columns = table.columnCount();
    const qsizetype from = table.rows.size() > 1 ? 1 : 0;
    QList<int> addresses(columns);
    int mostAddresses = -1;
    for (int column = 0; column < columns; ++column) {
        addresses[column] = webAddressesIn(table.rows, column, from);
        if (addresses[column] > mostAddresses) {
            mostAddresses = addresses[column];
            table.addressColumn = column;
        }
    }
    const QStringList& first = table.rows.value(0);
    table.hasHeader =
        table.rows.size() > 1 && mostAddresses > 0 &&
        std::none_of(first.begin(), first.end(), [](const QString& field) { return IsWebAddress(field); });
    table.nameColumn = -1;
    for (const QLatin1String word : {QLatin1String("name"), QLatin1String("title"), QLatin1String("site")}) {
        for (int column = 0; table.hasHeader && column < first.size() && table.nameColumn < 0; ++column)
            if (column != table.addressColumn && first[column].contains(word, Qt::CaseInsensitive))
                table.nameColumn = column;
    }
    for (const int beside : {table.addressColumn - 1, table.addressColumn + 1}) {
        if (table.nameColumn >= 0)
            break;
        if (beside >= 0 && beside < columns && addresses[beside] * 2 < mostAddresses)
            table.nameColumn = beside;
    }
}

Table textTable(const QString& text) {
    const std::optional<QChar> separator = detectSeparator(text);
    Table table;
    if (!separator) {
        table.format = QCoreApplication::translate("SiteListFile", "List of addresses");
        for (const QString& line : SiteImport::SplitLines(text))
            if (!line.trimmed().isEmpty())
                table.rows.append({line});
        return table;
    }
    table.format = *separator == QLatin1Char('\t')  ? QStringLiteral("TSV")
                   : *separator == QLatin1Char(',') ? QStringLiteral("CSV")
                                                    : QStringLiteral("CSV (%1)").arg(*separator);
    table.rows = SplitDelimited(text, *separator);
    chooseColumns(table);
    return table;
}

QString hostName(const QString& address) {
    QString host = QUrl(address).host();
    if (host.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        host.remove(0, 4);
    return host;
}

} // namespace

QStringList Table::captions() const {
    QStringList names;
    for (int column = 0; column < columnCount(); ++column) {
        const QString caption = hasHeader ? rows.first().value(column).simplified() : QString();
        names << (caption.isEmpty() ? QCoreApplication::translate("SiteListFile", "Column %1").arg(column + 1)
                                    : caption);
    }
    return names;
}

int Table::columnCount() const {
    qsizetype widest = 0;
    for (const QStringList& row : rows)
        widest = std::max(widest, row.size());
    return int(widest);
}

QList<QStringList> SplitDelimited(const QString& text, QChar separator) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    const auto endRecord = [&] {
        record << field;
        if (!blankRow(record))
            records << record;
        record.clear();
        field.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                field += text[++i];
            else
                quoted = false;
        } else if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = fieldStarted = true;
        } else if (c == separator) {
            record << field;
            field.clear();
            fieldStarted = false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            endRecord();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !field.isEmpty() || !record.isEmpty())
        endRecord();
    return records;
}

Table ReadText(const QString& text, const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    const QString start = text.left(400).trimmed();
    if (start.contains(QLatin1String("NETSCAPE-Bookmark-file-1"), Qt::CaseInsensitive)) {
        QTextDocument document;
        document.setHtml(text);
        return linksTable(QCoreApplication::translate("SiteListFile", "Bookmarks"), document);
    }
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm") || suffix == QLatin1String("xhtml") ||
        start.startsWith(QLatin1Char('<'))) {
        QTextDocument document;
        document.setHtml(text);
        return linksTable(QCoreApplication::translate("SiteListFile", "HTML links"), document);
    }
    if (suffix == QLatin1String("md") || suffix == QLatin1String("markdown") || suffix == QLatin1String("mdown") ||
        suffix == QLatin1String("mkd")) {
        QTextDocument document;
        document.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
        return linksTable(QCoreApplication::translate("SiteListFile", "Markdown links"), document);
    }
    return textTable(text);
}

Table ReadFile(const QString& path) {
    return ReadText(SiteImport::ReadFileText(path), path);
}

QList<PreviewRow> Preview(const Table& table, QSet<QString> known) {
    QList<PreviewRow> preview;
    preview.reserve(table.rows.size());
    for (qsizetype i = table.hasHeader ? 1 : 0; i < table.rows.size(); ++i) {
        const QStringList& row = table.rows[i];
        PreviewRow entry;
        entry.address = row.value(table.addressColumn).trimmed();
        if (table.nameColumn >= 0)
            entry.name = row.value(table.nameColumn).simplified();
        if (!IsWebAddress(entry.address) || (table.schemeRequired && !entry.address.contains(QLatin1String("://")))) {
            entry.verdict = Verdict::NotWebAddress;
        } else {
            if (!entry.address.contains(QLatin1String("://")))
                entry.address.prepend(QLatin1String("http://"));
            if (entry.name.isEmpty())
                entry.name = hostName(entry.address);
            const QString normal = NormalizedSiteAddress(entry.address);
            entry.verdict = known.contains(normal) ? Verdict::AlreadyInList : Verdict::Import;
            known.insert(normal);
        }
        preview.append(entry);
    }
    return preview;
}

QString VerdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::AlreadyInList:
        return QCoreApplication::translate("SiteListFile", "already in the list");
    case Verdict::NotWebAddress:
        return QCoreApplication::translate("SiteListFile", "not a web address");
    case Verdict::Import:
        break;
    }
    return {};
}

} // namespace SiteListFile
