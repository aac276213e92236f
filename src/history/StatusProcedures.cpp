#include "StatusProcedures.h"

QString HistoryStatusText(qint32 status) {
    switch (status) {
    case 0:
        return QStringLiteral("Not Submitted");
    case 1:
        return QStringLiteral("Submitted");
    case 2:
        return QStringLiteral("Published");
    default:
        return {};
    }
}
