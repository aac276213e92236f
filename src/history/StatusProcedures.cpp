#include "StatusProcedures.h"

#include "StatusQueries.h"
#include "Trap.h"

QString GetProductVersion(qint32 productID) {
    QString version;
    Trap(QStringLiteral("Error in GetProductVersion: "), [&] { version = ReadProductVersion(productID); });
    return version;
}

QString GetSitePadByID(qint32 siteID) {
    QString address;
    Trap(QStringLiteral("Error in GetSitePadByID: "), [&] { address = ReadSitePadByID(siteID); });
    return address;
}

void ProductHistorySet(qint32 siteID, qint32 productID, qint16 status, const QString& version) {
    Trap(QStringLiteral("Error in ProductHistorySet: "),
         [&] { AppendProductHistory(siteID, productID, status, version); });
}

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
