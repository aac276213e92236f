#pragma once

#include <QList>
#include <QString>

struct ProductName {
    qint32 productID = 0;
    QString name;
};

// Every product, by name (without regard to case) or, unordered, in the order they were made.
QList<ProductName> ReadProductNames(bool byName = true);
// Deletes the product's row only: its status and history rows stay.
void DeleteProduct(qint32 productID);
