#pragma once

#include <QDateTime>
#include <QtGlobal>

// The counts the home page shows. Each throws DbError.
qint32 CountSites();
qint32 CountProducts();
// How many status rows the product has with that status, or with the old-version flag set.
qint32 CountProductStatus(qint32 productID, qint16 status);
qint32 CountProductOldVersion(qint32 productID);
// The latest status change; invalid when there is none.
QDateTime LastOperationDate();
