#include "IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace {

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
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
// or adds the section at the end.
void putEntry(QStringList& lines, const QString& section, const QString& key, const QString& entry) {
    qsizetype header = 0;
    while (header < lines.size() && !(sectionName(lines[header]) && sameName(*sectionName(lines[header]), section)))
        ++header;
    if (header == lines.size()) {
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
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
    for (const QString& line : readLines(path)) {
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

bool IniWrite(const QString& path, const QString& section, const QString& key, const QString& value) {
    QStringList lines = readLines(path);
    putEntry(lines, section, key, key + QLatin1Char('=') + value);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
    return file.commit();
}
