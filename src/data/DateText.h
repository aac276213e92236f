#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <functional>

// The program's date texts, the same on every machine: 2012-3-5 and 2012-3-5 9:7:3 (no zero padding).
// A value that is not a date gives the empty text.
QString DateToText(const QVariant& value);
QString DateTimeToText(const QVariant& value);

// The stored forms: ISO 8601 text, so that ordering and MAX in the database are chronological.
QString DbDateText(const QDate& date);
QString DbDateTimeText(const QDateTime& moment);
QString DbNow();
// The moment DbNow stamps, for names and dates that are not stored.
QDateTime DbClockNow();
// The clock DbNow reads: tests put a fixed one in place to write chosen dates; an empty one restores the system's.
void SetDbClock(std::function<QDateTime()> clock);
// A stored date or date-time read back; invalid for null or text that is not one.
QDateTime DbReadDateTime(const QVariant& stored);

// How a date-time is shown to the user: the locale's short date and long time, the date alone at midnight.
QString DateTimeDisplayText(const QDateTime& moment);
