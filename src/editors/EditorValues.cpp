#include "EditorValues.h"

#include "Failure.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <limits>

namespace {

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Plain decimal text, never with an exponent, and no minus sign on zero.
QString plainDecimal(double value) {
    if (value == 0)
        value = 0; // turns -0 into 0
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace

double LeadingNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t') || text[i] == QLatin1Char('\n') ||
                     text[i] == QLatin1Char('\r')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < n && isAsciiDigit(text[i]))
        ++i, ++digits;
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && isAsciiDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    qsizetype end = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        if (j < n && isAsciiDigit(text[j])) {
            while (j < n && isAsciiDigit(text[j]))
                ++j;
            end = j;
        }
    }
    QString number = text.mid(start, end - start);
    if (number.startsWith(QLatin1Char('+')))
        number.remove(0, 1);
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    // Only a number beyond the range of a double is refused: it reads as infinity (or 0 when too small).
    bool ok = false;
    return QLocale::c().toDouble(number, &ok);
}

qint16 RankFromText(const QString& text) {
    const double rounded = std::nearbyint(LeadingNumber(text)); // the default rounding mode rounds halves to even
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        throw Failure(QCoreApplication::translate("EditorValues", "Overflow"));
    return static_cast<qint16>(rounded);
}

std::optional<QString> BytesTextForKB(const QString& kbText) {
    const double bytes = LeadingNumber(kbText) * 1024;
    if (!std::isfinite(bytes))
        return std::nullopt;
    return plainDecimal(bytes);
}

std::optional<QString> KBTextForBytes(const QString& bytesText) {
    const double kb = std::nearbyint(LeadingNumber(bytesText) / 1024);
    if (!std::isfinite(kb))
        return std::nullopt;
    return plainDecimal(kb);
}

qsizetype CountedLength(const QString& text) {
    return text.size() + text.count(QLatin1Char('\n'));
}
