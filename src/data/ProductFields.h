#pragma once

#include "PadFile.h"
#include "cProduct.h"

#include <QList>
#include <QString>
#include <QVariantMap>

// The product's fields, described once: the record's statements, the product editor's boxes, the PAD import and
// export and the "Other elements" paste list follow this table. A new column is one row here and its line in
// schema.sql.
struct ProductField {
    enum class Kind { Line, Lines, Date };
    QString column;          // in tab_products
    Kind kind;               // a single-line text, a multi-line text, or the release date
    QString cProduct::*text; // the record's property; null for the date
    QString box;             // the product editor's box
    QString caption;         // how the editor's messages name the field, in English: translate("ProductFields", …)
    // The PAD file's element for the field; null when a PAD file does not carry it, and for the date, whose three
    // elements are read as one.
    std::optional<QString> PadProduct::*pad;
    QString pasteName;     // the "Other elements" entry; empty when the field is not offered there
    int pastePosition = 0; // the entry's place in that list, from 1
};

// Every field in the order of the record's statements (the key aside).
const QList<ProductField>& ProductFields();
// The product's values by column, the release date as its stored text (empty when it has none).
QVariantMap ProductColumnValues(const cProduct& product);
// The field of that column; null for any other text, so a name from the interface never reaches a statement unless
// it is one of these.
const ProductField* ProductFieldOfColumn(const QString& column);
// The "Other elements" entries in the order the list shows them, and the field behind one of them (null for any
// other text).
const QStringList& PasteNames();
const ProductField* ProductFieldOfPasteName(const QString& pasteName);
