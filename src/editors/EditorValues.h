#pragma once

#include <QString>

#include <optional>

// The number a text starts with: leading blanks skipped, then an optional sign, digits with at most one
// decimal point (always ".") and an optional exponent. 0 when the text does not start with a number;
// infinite when the number is beyond the range of a double.
double LeadingNumber(const QString& text);

// A site's rank from its box: the leading number rounded to the nearest whole number, halves to even.
// Throws Failure "Overflow" when that does not fit 16 bits.
qint16 RankFromText(const QString& text);

// The size pair of the product editor. Bytes from kilobytes: the leading number times 1024 as plain decimal text
// (fraction digits only when needed). Kilobytes from bytes: the leading number divided by 1024, rounded to a
// whole number, halves to even. No value when the number is too large to show.
std::optional<QString> BytesTextForKB(const QString& kbText);
std::optional<QString> KBTextForBytes(const QString& bytesText);

// The length the count labels show and the keyword limit counts: a line break counts as two characters
// (carriage return and line feed), as web forms submit it.
qsizetype CountedLength(const QString& text);
