#pragma once

#include <QString>
#include <QVariantMap>

// Rows for tests, written straight into the current test database. Extra columns go in by name.
qint32 SeedSite(const QString& submitUrl, const QVariantMap& columns = {});
qint32 SeedProduct(const QString& name, const QVariantMap& columns = {});
void SeedStatus(qint32 siteID, qint32 productID, int status, bool oldVersion = false,
                const QString& updateDate = QStringLiteral("2012-01-01 00:00:00"));
