#pragma once

#include <QString>
#include <QtGlobal>

// After a new version, the sites where the product is submitted or published show the old one, unless the site
// updates from the PAD address itself (autoUpdate).

// How many such sites there are for the product.
int CountSitesShowingOldVersion(qint32 productID);
// Sets the old-version flag of exactly those status rows in one statement; returns how many rows it changed.
int MarkSitesShowingOldVersion(qint32 productID);
// Stores the product's new version text. Throws RecordGone when the product no longer exists.
void StoreProductVersion(qint32 productID, const QString& version);
