#include "Trap.h"

#include <QCoreApplication>
#include <QRegularExpression>

QString TranslatedTrapPrefix(const QString& prefix) {
    static const QRegularExpression form(QStringLiteral("^Error in(?: (\\w+))?: $"));
    const QRegularExpressionMatch match = form.match(prefix);
    if (!match.hasMatch())
        return prefix;
    if (match.captured(1).isEmpty())
        return QCoreApplication::translate("Trap", "Error in: ");
    return QCoreApplication::translate("Trap", "Error in %1: ").arg(match.captured(1));
}
