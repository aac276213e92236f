#pragma once

#include "FormMaps.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <QVariantMap>

#include <optional>

// Learning a site's form from what the author left in it, and telling whether a page belongs to a site.

// A typed field as the page holds it.
struct FormFieldValue {
    QString key;            // its name, else its id
    QString value;          // what it holds (a select: the chosen option's value)
    QString shownText = {}; // a select's chosen option as the page shows it
    bool select = false;
    bool filledByFillAll = false;
};

// The column whose value the field holds: exactly (a select's value or text, in any letter case), or the release
// date or the size in a form Fill all writes; the first such column of the product's field table. An empty text
// ("leave empty") for a field Fill all filled and the author emptied. Nothing for a field that tells nothing.
// product holds tab_products values by column.
std::optional<QString> LearnedColumn(const FormFieldValue& field, const QVariantMap& product);

// The fields of a form the author worked on worth learning, each with its column or "" (see LearnedColumn).
// readFields holds one map per typed field as the page's learning script gives it: key, value, text (a select's
// shown option), select and filled (by Fill all).
QList<FormMapField> LearnedFields(const QVariantList& readFields, const QString& formPath, const QVariantMap& product);

// Whether the page's host is the host of the site's submit or home address, or a subdomain of one ("www." aside).
// A page without a host (a local file), or a site without a row, has none.
bool PageIsOnSite(qint32 siteID, const QUrl& page);

// What Fill all takes for the page from the site's learned fields (field key to column, "" for left empty): those of
// the page's path, and none when the page is not on the site.
QVariantMap LearnedMapForPage(qint32 siteID, const QUrl& page);

// Learns the fields of a form read at formPath (see LearnedFields) for the site, when the page shown is on it;
// returns how many fields were stored.
int LearnForm(qint32 siteID, const QUrl& page, const QString& formPath, const QVariantList& readFields,
              const QVariantMap& product);
