// The input is an existing kwz.ini, optionally followed by "\0section\0key\0value": the entry to write (else
// preferences/SitesOrder=1), kept within what the file can hold. Reading never crashes; after the write the entry
// reads back as written and every other entry as before, unless the write was refused, which leaves the file
// byte for byte as it was.
#include "Failure.h"
#include "IniFile.h"
#include "Property.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

struct Input {
    QByteArray file;
    QString section = QStringLiteral("preferences");
    QString key = QStringLiteral("SitesOrder");
    QString value = QStringLiteral("1");
};

// A line holds one entry: no control characters (line ends among them); names and values are read trimmed.
QString oneLine(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    text.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
    return text.trimmed();
}

Input split(const QByteArray& bytes) {
    Input input;
    const qsizetype valueAt = bytes.lastIndexOf('\0');
    const qsizetype keyAt = valueAt > 0 ? bytes.lastIndexOf('\0', valueAt - 1) : -1;
    const qsizetype sectionAt = keyAt > 0 ? bytes.lastIndexOf('\0', keyAt - 1) : -1;
    if (sectionAt < 0) {
        input.file = bytes;
        return input;
    }
    input.file = bytes.left(sectionAt);
    input.section = oneLine(bytes.mid(sectionAt + 1, keyAt - sectionAt - 1));
    input.key = oneLine(bytes.mid(keyAt + 1, valueAt - keyAt - 1)).remove(QLatin1Char('=')).trimmed();
    input.value = oneLine(bytes.mid(valueAt + 1));
    // A key line starting with ';' is a comment, one starting with '[' may read as a section header.
    if (input.key.isEmpty() || input.key.startsWith(QLatin1Char(';')) || input.key.startsWith(QLatin1Char('[')))
        input.key.prepend(QLatin1Char('k'));
    // A value in matching quotes reads without them.
    if (input.value.size() >= 2 && input.value.front() == input.value.back() &&
        (input.value.front() == QLatin1Char('"') || input.value.front() == QLatin1Char('\'')))
        input.value += QLatin1Char('x');
    return input;
}

// The section and key names the file may hold, taken loosely from its lines in both encodings it may have.
void namesIn(const QByteArray& file, QStringList& sections, QStringList& keys) {
    for (const QString& text : {QString::fromUtf8(file), QString::fromLatin1(file)}) {
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')) && sections.size() < 8)
                sections << trimmed.mid(1, trimmed.size() - 2).trimmed();
            else if (trimmed.indexOf(QLatin1Char('=')) > 0 && keys.size() < 8)
                keys << trimmed.left(trimmed.indexOf(QLatin1Char('='))).trimmed();
        }
    }
    sections.removeDuplicates();
    keys.removeDuplicates();
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kwz.ini"));
    const Input input = split(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(input.file) != input.file.size())
            std::abort();
    }

    QStringList sections{input.section};
    QStringList keys{input.key};
    namesIn(input.file, sections, keys);
    QHash<QString, QString> before;
    for (const QString& section : sections) {
        for (const QString& key : keys)
            before.insert(section + QLatin1Char('\n') + key, IniRead(path, section, key));
    }

    try {
        IniWrite(path, input.section, input.key, input.value);
    } catch (const Failure& e) {
        Expect(contentOf(path) == input.file, "a refused write leaves the file as it was", e.description());
        return 0;
    }
    const QString written = IniRead(path, input.section, input.key);
    Expect(written == input.value, "a written entry reads back as written",
           QStringLiteral("[%1] %2: wrote \"%3\", read \"%4\"").arg(input.section, input.key, input.value, written));
    for (const QString& section : sections) {
        for (const QString& key : keys) {
            if (sameName(section, input.section) && sameName(key, input.key))
                continue;
            const QString was = before.value(section + QLatin1Char('\n') + key);
            const QString now = IniRead(path, section, key);
            Expect(now == was, "a write keeps every other entry",
                   QStringLiteral("[%1] %2: was \"%3\", now \"%4\"").arg(section, key, was, now));
        }
    }
    return 0;
}
