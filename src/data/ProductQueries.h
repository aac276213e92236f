#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

struct ProductName {
    qint32 productID = 0;
    QString name;
};

// The values a chosen product puts on the product bar; null columns read as null variants.
struct ProductBarValues {
    QVariant name;
    QString padUrl;
    QString emailAuthor;
    QString author;
    QString paymentRegNow;
};

// Every product, by name (without regard to case) or, unordered, in the order they were made.
QList<ProductName> ReadProductNames(bool byName = true);
std::optional<ProductBarValues> ReadProductBar(qint32 productID);
// Deletes the product's row only: its status and history rows stay.
void DeleteProduct(qint32 productID);
