#pragma once

#include "PadFile.h"
#include "ProductFields.h"
#include "cProduct.h"

#include <QList>
#include <QString>

// One field whose value in the product's PAD file differs from the stored one.
struct PadFieldChange {
    const ProductField* field = nullptr;
    QString stored; // the release date as YYYY-MM-DD
    QString inFile;

    // "Caption: stored → in the file", as the update lists it.
    QString Text() const;
};

// The fields of ProductFields that the PAD file gives with another value than the product holds, in the table's
// order. A field the file leaves out is no difference: an update never empties a stored field.
QList<PadFieldChange> PadChanges(const cProduct& product, const PadProduct& pad);

// Stores the changes' file values in the product's row in one transaction. Throws RecordGone when the product no
// longer exists, DbError on any other failure; either way nothing is stored.
void StorePadChanges(qint32 productID, const QList<PadFieldChange>& changes);
