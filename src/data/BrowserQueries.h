#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// What the embedded browser's commands read: a site's home page and a product field to paste.

// The site's homePage: nothing when the site has no row, a null variant when the column is null.
std::optional<QVariant> ReadSiteHomePage(qint32 siteID);

// One column of the product's row: nothing when the product has no row, a null variant when the column is
// null. Only column names of tab_products are taken; any other text throws Failure before SQL is built.
std::optional<QVariant> ReadProductColumn(qint32 productID, const QString& column);
