#include "FormLearning.h"

#include "DbConnection.h"
#include "ProductFields.h"
#include "SiteAddress.h"

#include <QDate>

#include <cmath>

namespace {

// The column Fill all writes as a size, in bytes, KB or MB as the field's words ask.
const QString kSizeColumn = QStringLiteral("sizeKB");

bool isSizeForm(const QString& text, const QString& kilobytes) {
    bool isNumber = false, hasSize = false;
    const double value = QString(text).replace(u',', u'.').toDouble(&isNumber);
    const double kb = QString(kilobytes).replace(u',', u'.').toDouble(&hasSize);
    if (!isNumber || !hasSize || kb < 0)
        return false;
    return std::abs(value - kb) < 0.005 || std::abs(value - kb / 1024) < 0.005 ||
           std::abs(value - std::round(kb * 1024)) < 0.5;
}

// The whole date in the forms Fill all writes, and for a select also its parts, as its options may hold them.
QStringList dateForms(const QString& stored, bool select) {
    const QDate date = QDate::fromString(stored.left(10), Qt::ISODate);
    if (!date.isValid())
        return {};
    QStringList forms{date.toString(QStringLiteral("yyyy-MM-dd")), date.toString(QStringLiteral("MM/dd/yyyy")),
                      date.toString(QStringLiteral("dd/MM/yyyy")), date.toString(QStringLiteral("dd.MM.yyyy"))};
    if (select)
        forms << QString::number(date.day()) << QString::number(date.month()) << QString::number(date.year());
    return forms;
}

bool holds(const FormFieldValue& field, const QString& wanted, bool select) {
    if (select)
        return field.value.trimmed().compare(wanted, Qt::CaseInsensitive) == 0 ||
               field.shownText.trimmed().compare(wanted, Qt::CaseInsensitive) == 0;
    return field.value.trimmed() == wanted;
}

} // namespace

std::optional<QString> LearnedColumn(const FormFieldValue& field, const QVariantMap& product) {
    if (field.value.trimmed().isEmpty())
        return field.filledByFillAll ? std::optional<QString>(QString(QLatin1String(""))) : std::nullopt;
    const bool select = field.select;
    for (const ProductField& column : ProductFields()) {
        const QString stored = product.value(column.column).toString().trimmed();
        if (stored.isEmpty())
            continue;
        bool found = holds(field, stored, select);
        if (!found && column.kind == ProductField::Kind::Date) {
            for (const QString& form : dateForms(stored, select))
                found = found || holds(field, form, select);
        }
        if (!found && column.column == kSizeColumn)
            found = isSizeForm(field.value.trimmed(), stored);
        if (found)
            return column.column;
    }
    return std::nullopt;
}

QList<FormMapField> LearnedFields(const QVariantList& readFields, const QString& formPath, const QVariantMap& product) {
    QList<FormMapField> learned;
    for (const QVariant& read : readFields) {
        const QVariantMap field = read.toMap();
        const FormFieldValue value{
            field.value(QStringLiteral("key")).toString(), field.value(QStringLiteral("value")).toString(),
            field.value(QStringLiteral("text")).toString(), field.value(QStringLiteral("select")).toBool(),
            field.value(QStringLiteral("filled")).toBool()};
        if (value.key.isEmpty())
            continue;
        if (const auto column = LearnedColumn(value, product))
            learned.append({formPath, value.key, *column});
    }
    return learned;
}

namespace {

QString withoutWww(const QString& host) {
    return host.startsWith(QLatin1String("www.")) ? host.mid(4) : host;
}

} // namespace

bool PageIsOnSite(qint32 siteID, const QUrl& page) {
    const QString pageHost = withoutWww(page.host().toLower());
    if (pageHost.isEmpty())
        return false;
    const DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT submitUrl, homePage FROM tab_sites WHERE siteID = ?"), {siteID});
    if (!q.next())
        return false;
    QStringList hosts = SiteHosts({q.value(0).toString(), q.value(1).toString()});
    for (QString& host : hosts)
        host = withoutWww(host);
    return HostIsWithin(pageHost, hosts);
}

QVariantMap LearnedMapForPage(qint32 siteID, const QUrl& page) {
    return PageIsOnSite(siteID, page) ? FormMapOf(siteID, page.path()) : QVariantMap();
}

int LearnForm(qint32 siteID, const QUrl& page, const QString& formPath, const QVariantList& readFields,
              const QVariantMap& product) {
    if (!PageIsOnSite(siteID, page))
        return 0;
    const QList<FormMapField> fields = LearnedFields(readFields, formPath, product);
    StoreFormMaps({{siteID, fields}});
    return int(fields.size());
}
