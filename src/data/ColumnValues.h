#pragma once

#include <QString>
#include <QVariant>

// Conversions between record properties and stored column values.

// A text column read back: null gives the empty text.
QString TextColumn(const QVariant& stored);
// A text property to store: always text, never null, even when the property was never set.
QVariant TextValue(const QString& text);
// A 16-bit integer column read back: null gives 0; throws Failure "Type mismatch" for a value that is not a
// whole number and "Overflow" for one outside 16 bits.
qint16 Int16Column(const QVariant& stored);
