// Decoding, line splitting and field parsing of a site list never crash on any file, and:
// - a decoded text saved as UTF-8 decodes to itself (the decoder takes UTF-8 for UTF-8);
// - no line holds a line break, and there is one line per line end, plus the text after the last one;
// - a line parses exactly when it holds the separator, into the text before it and the field after it.
#include "Failure.h"
#include "Property.h"
#include "SiteImport.h"

#include <cstddef>
#include <cstdint>

using namespace SiteImport;

namespace {

void checkDecode(const QString& text) {
    if (!text.isValidUtf16() || text.startsWith(QChar(0xFEFF)))
        return; // a lone surrogate has no UTF-8; a leading byte order mark is dropped by design
    const QString again = Decode(text.toUtf8());
    Expect(again == text, "a decoded text saved as UTF-8 decodes to itself",
           QStringLiteral("first: %1\nagain: %2").arg(text, again));
}

void checkLines(const QString& text, const QStringList& lines) {
    for (const QString& line : lines)
        Expect(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')), "no line holds a line break",
               line);
    const qsizetype ends =
        text.count(QLatin1Char('\n')) + text.count(QLatin1Char('\r')) - text.count(QLatin1String("\r\n"));
    const bool openLast = !text.isEmpty() && !text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r'));
    Expect(lines.size() == ends + (openLast ? 1 : 0), "one line per line end, plus the text after the last one",
           QStringLiteral("%1 lines, %2 line ends").arg(lines.size()).arg(ends));
}

void checkFields(const QString& line, QChar separator) {
    try {
        const Site site = ParseLine(line, separator);
        Expect(line.contains(separator), "a line without the separator is refused", line);
        Expect(!site.name.contains(separator) && !site.submitUrl.contains(separator) &&
                   line.startsWith(site.name + separator + site.submitUrl) &&
                   (line.size() == site.name.size() + 1 + site.submitUrl.size() ||
                    line[site.name.size() + 1 + site.submitUrl.size()] == separator),
               "the name is the text before the separator, the address the field after it", line);
    } catch (const Failure&) {
        Expect(!line.contains(separator), "a line with the separator parses", line);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = Decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkDecode(text);
    const QStringList lines = SplitLines(text);
    checkLines(text, lines);
    // The separators the import offers, and one it does not.
    for (const QChar separator : {QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char(','), QLatin1Char('|')}) {
        for (const QString& line : lines)
            checkFields(line, separator);
    }
    return 0;
}
