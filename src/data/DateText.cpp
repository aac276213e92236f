#include "DateText.h"

#include <QLocale>

namespace {

const QString kDbDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString kDbDateFormat = QStringLiteral("yyyy-MM-dd");

std::function<QDateTime()>& dbClock() {
    static std::function<QDateTime()> clock;
    return clock;
}

QDateTime asDateTime(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.toDateTime();
    case QMetaType::QDate:
        return value.toDate().startOfDay();
    case QMetaType::QString:
        return DbReadDateTime(value);
    default:
        return {};
    }
}

} // namespace

QString DateToText(const QVariant& value) {
    const QDateTime moment = asDateTime(value);
    if (!moment.isValid())
        return {};
    const QDate d = moment.date();
    return QStringLiteral("%1-%2-%3").arg(d.year()).arg(d.month()).arg(d.day());
}

QString DateTimeToText(const QVariant& value) {
    const QDateTime moment = asDateTime(value);
    if (!moment.isValid())
        return {};
    const QTime t = moment.time();
    return DateToText(value) + QStringLiteral(" %1:%2:%3").arg(t.hour()).arg(t.minute()).arg(t.second());
}

QString DbDateText(const QDate& date) {
    return date.toString(kDbDateFormat);
}

QString DbDateTimeText(const QDateTime& moment) {
    return moment.toString(kDbDateTimeFormat);
}

QDateTime DbClockNow() {
    return dbClock() ? dbClock()() : QDateTime::currentDateTime();
}

QString DbNow() {
    return DbDateTimeText(DbClockNow());
}

void SetDbClock(std::function<QDateTime()> clock) {
    dbClock() = std::move(clock);
}

QDateTime DbReadDateTime(const QVariant& stored) {
    if (stored.isNull())
        return {};
    const QString text = stored.toString().trimmed();
    QDateTime moment = QDateTime::fromString(text, kDbDateTimeFormat);
    if (!moment.isValid())
        moment = QDate::fromString(text, kDbDateFormat).startOfDay();
    return moment;
}

QString DateTimeDisplayText(const QDateTime& moment) {
    if (!moment.isValid())
        return {};
    const QLocale locale;
    const QString date = locale.toString(moment.date(), QLocale::ShortFormat);
    if (moment.time() == QTime(0, 0))
        return date;
    // The long time format without its time-zone name.
    const QString timeFormat = locale.timeFormat(QLocale::LongFormat).remove(QLatin1Char('t')).trimmed();
    return date + QLatin1Char(' ') + locale.toString(moment.time(), timeFormat);
}
