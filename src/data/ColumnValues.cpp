#include "ColumnValues.h"

#include "Failure.h"

#include <QCoreApplication>

#include <limits>

QString TextColumn(const QVariant& stored) {
    return stored.isNull() ? QString() : stored.toString();
}

QVariant TextValue(const QString& text) {
    // The driver binds a null text as NULL; the table keeps empty values as the empty text.
    return text.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(text);
}

qint16 Int16Column(const QVariant& stored) {
    if (stored.isNull())
        return 0;
    bool ok = false;
    const qlonglong value = stored.toLongLong(&ok);
    if (!ok)
        throw Failure(QCoreApplication::translate("ColumnValues", "Type mismatch"));
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw Failure(QCoreApplication::translate("ColumnValues", "Overflow"));
    return static_cast<qint16>(value);
}
