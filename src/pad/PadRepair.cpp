#include "PadRepair.h"

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>

#include <algorithm>
#include <cctype>

namespace {

QString linesText(const QList<int>& lines) {
    QStringList numbers;
    for (const int line : lines)
        numbers << QString::number(line);
    return (lines.size() == 1 ? QCoreApplication::translate("PadRepair", "line ")
                              : QCoreApplication::translate("PadRepair", "lines ")) +
           numbers.join(QLatin1String(", "));
}

bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.' || c == ':' ||
           static_cast<unsigned char>(c) >= 0x80;
}

} // namespace

PadRepair RepairPadXml(const QByteArray& bytes) {
    PadRepair repair{bytes, {}};
    if (bytes.contains('\0') || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return repair;
    // A reference is &name; or &#digits; or &#xhex;: any other & is a bare one.
    static const QRegularExpression reference(QStringLiteral("^&(#[0-9]+|#x[0-9A-Fa-f]+|[A-Za-z_][A-Za-z0-9._-]*);"));
    QByteArray out;
    out.reserve(bytes.size() + 64);
    QList<int> bareAmpersands, renamedTags;
    QList<QByteArray> open; // start tags not yet closed, as written
    int line = 1;
    qsizetype i = 0;
    const auto copyUntil = [&](const QByteArray& end) {
        const qsizetype stop = bytes.indexOf(end, i);
        const qsizetype to = stop < 0 ? bytes.size() : stop + end.size();
        const QByteArray part = bytes.mid(i, to - i);
        line += int(part.count('\n'));
        out += part;
        i = to;
    };
    while (i < bytes.size()) {
        const char c = bytes[i];
        const QByteArrayView rest = QByteArrayView(bytes).sliced(i);
        if (rest.startsWith("<!--")) {
            copyUntil("-->");
        } else if (rest.startsWith("<![CDATA[")) {
            copyUntil("]]>");
        } else if (rest.startsWith("<?") || rest.startsWith("<!")) {
            copyUntil(">");
        } else if (rest.startsWith("</")) {
            qsizetype end = i + 2;
            while (end < bytes.size() && isNameChar(bytes[end]))
                ++end;
            const QByteArray name = bytes.mid(i + 2, end - i - 2);
            if (!open.isEmpty() && open.last() != name && open.last().toLower() == name.toLower()) {
                renamedTags << line;
                out += "</" + open.last();
            } else {
                out += bytes.mid(i, end - i);
            }
            if (!open.isEmpty() && open.last().toLower() == name.toLower())
                open.removeLast();
            i = end;
        } else if (c == '<' && i + 1 < bytes.size() && isNameChar(bytes[i + 1])) {
            qsizetype end = i + 1;
            while (end < bytes.size() && isNameChar(bytes[end]))
                ++end;
            const qsizetype close = bytes.indexOf('>', end);
            if (close > 0 && bytes[close - 1] != '/')
                open << bytes.mid(i + 1, end - i - 1);
            copyUntil(">");
        } else if (c == '&' &&
                   !reference.match(QString::fromLatin1(rest.first(std::min<qsizetype>(rest.size(), 40)))).hasMatch()) {
            if (bareAmpersands.isEmpty() || bareAmpersands.last() != line)
                bareAmpersands << line;
            out += "&amp;";
            ++i;
        } else {
            if (c == '\n')
                ++line;
            out += c;
            ++i;
        }
    }
    if (!bareAmpersands.isEmpty())
        repair.notes << QCoreApplication::translate("PadRepair", "A bare & on %1 was read as the character &.")
                            .arg(linesText(bareAmpersands));
    if (!renamedTags.isEmpty())
        repair.notes << QCoreApplication::translate("PadRepair",
                                                    "An end tag in other letter case than its start tag on "
                                                    "%1 was read as closing it.")
                            .arg(linesText(renamedTags));
    if (!repair.notes.isEmpty())
        repair.bytes = out;
    return repair;
}
