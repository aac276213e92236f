#include "SettingValue.h"

#include "Failure.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <limits>

qint16 SettingToInt16(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw Failure(QCoreApplication::translate("SettingValue", "Type mismatch"));
    const double rounded = std::nearbyint(value); // the default rounding mode rounds halves to even
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        throw Failure(QCoreApplication::translate("SettingValue", "Overflow"));
    return static_cast<qint16>(rounded);
}
