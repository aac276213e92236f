#include "IniFile.h"

#include "Failure.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace {

const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// The file as read. Lines lose only their '\n': a '\r' before it stays, so CRLF lines keep their ends.
// The text is UTF-8 when it is valid UTF-8, else Latin-1, which keeps Windows-1252 bytes as they were.
struct IniText {
    QStringList lines;
    bool bom = false;
    bool latin1 = false;
    QString unreadable; // why the existing file must not be rewritten; empty when it may
};

// Control characters other than tab and line ends mean the file is not text.
bool isText(const QByteArray& bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        return (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F;
    });
}

// UTF-8 when the bytes are valid UTF-8, else Latin-1.
QString decode(const QByteArray& bytes, bool* latin1 = nullptr) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    if (latin1)
        *latin1 = utf8.hasError();
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// A missing file holds no lines.
IniText readText(const QString& path) {
    IniText text;
    if (!QFileInfo::exists(path))
        return text;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        text.unreadable = file.errorString();
        return text;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        text.unreadable = file.errorString();
        return text;
    }
    if (!isText(bytes))
        text.unreadable = QCoreApplication::translate("IniFile", "it is not a text file: it holds control characters");
    text.bom = bytes.startsWith(kUtf8Bom);
    if (text.bom)
        bytes.remove(0, kUtf8Bom.size());
    const QString decoded = decode(bytes, &text.latin1);
    text.lines = decoded.split(QLatin1Char('\n'));
    if (text.lines.last().isEmpty())
        text.lines.removeLast();
    return text;
}

std::optional<QString> sectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return std::nullopt;
}

// The key of a "key=value" line, or nothing for comments and other lines.
std::optional<QString> keyName(const QString& line) {
    const QString trimmed = line.trimmed();
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (trimmed.startsWith(QLatin1Char(';')) || equals <= 0)
        return std::nullopt;
    return trimmed.left(equals).trimmed();
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString unquoted(QString value) {
    value = value.trimmed();
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
        return value.mid(1, value.size() - 2);
    return value;
}

// Puts the entry into the lines: replaces the key in its section, or adds it after the section's last line,
// or adds the section at the end. New and replaced lines end as the file's first line does.
void putEntry(QStringList& lines, const QString& section, const QString& key, const QString& value) {
    const QString cr = !lines.isEmpty() && lines.first().endsWith(QLatin1Char('\r')) ? QStringLiteral("\r") : QString();
    const QString entry = key + QLatin1Char('=') + value + cr;
    if (!cr.isEmpty() && !lines.last().endsWith(cr))
        lines.last() += cr; // the last line had no line end at all
    qsizetype header = 0;
    while (header < lines.size() && !(sectionName(lines[header]) && sameName(*sectionName(lines[header]), section)))
        ++header;
    if (header == lines.size()) {
        lines << QLatin1Char('[') + section + QLatin1Char(']') + cr << entry;
        return;
    }
    qsizetype lastContent = header;
    for (qsizetype i = header + 1; i < lines.size() && !sectionName(lines[i]); ++i) {
        if (const auto name = keyName(lines[i]); name && sameName(*name, key)) {
            lines[i] = entry;
            return;
        }
        if (!lines[i].trimmed().isEmpty())
            lastContent = i;
    }
    lines.insert(lastContent + 1, entry);
}

} // namespace

QString IniRead(const QString& path, const QString& section, const QString& key) {
    bool inSection = false;
    for (const QString& line : readText(path).lines) {
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto name = keyName(line); name && sameName(*name, key))
            return unquoted(line.mid(line.indexOf(QLatin1Char('=')) + 1));
    }
    return {};
}

void IniWrite(const QString& path, const QString& section, const QString& key, const QString& value) {
    IniText text = readText(path);
    if (!text.unreadable.isEmpty())
        throw Failure(QCoreApplication::translate("IniFile", "Cannot read %1: %2").arg(path, text.unreadable));
    putEntry(text.lines, section, key, value);

    QStringEncoder encoder(text.latin1 ? QStringConverter::Latin1 : QStringConverter::Utf8);
    const QString joined = text.lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    const QByteArray encoded = encoder(joined);
    const QByteArray bytes = text.bom ? kUtf8Bom + encoded : encoded;
    // A value may not fit Latin-1, or its Latin-1 bytes may form UTF-8 (once no other byte keeps the file from
    // reading as UTF-8) and read back as other characters.
    if (encoder.hasError() || decode(encoded) != joined)
        throw Failure(
            QCoreApplication::translate("IniFile", "Cannot write %1: the value %2 does not fit the file's encoding")
                .arg(path, value));
    WriteWholeFile(path, bytes);
}
