#include "BrowserQueries.h"

#include "DbConnection.h"
#include "Failure.h"

#include <QStringList>

std::optional<QVariant> ReadSiteHomePage(qint32 siteID) {
    DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT homePage FROM tab_sites WHERE siteID = ?"), {siteID});
    if (!q.next())
        return std::nullopt;
    return q.value(0);
}

std::optional<QVariant> ReadProductColumn(qint32 productID, const QString& column) {
    // A column name cannot be bound, so it must be one of these exactly before it goes into the statement.
    static const QStringList columns{
        QStringLiteral("name"),          QStringLiteral("padURL"),           QStringLiteral("version"),
        QStringLiteral("author"),        QStringLiteral("emailAuthor"),      QStringLiteral("sizeKB"),
        QStringLiteral("programURL"),    QStringLiteral("screenShot"),       QStringLiteral("exeDownload_1"),
        QStringLiteral("exeDownload_2"), QStringLiteral("shortDescription"), QStringLiteral("longDescription"),
        QStringLiteral("keywords"),      QStringLiteral("icoURL"),           QStringLiteral("linkBack"),
        QStringLiteral("buyURL"),        QStringLiteral("paymentRegNow"),    QStringLiteral("paymentShareIt"),
        QStringLiteral("limitations"),   QStringLiteral("recentChanges"),    QStringLiteral("fullChangeLog"),
        QStringLiteral("releaseDate")};
    if (!columns.contains(column))
        throw Failure(QStringLiteral("'%1' is not a product field").arg(column));

    DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT %1 FROM tab_products WHERE productID = ?").arg(column), {productID});
    if (!q.next())
        return std::nullopt;
    return q.value(0);
}
