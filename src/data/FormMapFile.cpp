#include "FormMapFile.h"

#include "DbConnection.h"
#include "FormMaps.h"
#include "ProductFields.h"
#include "SiteAddress.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kList = QStringLiteral("formMaps");
const QString kSite = QStringLiteral("site");
const QString kPath = QStringLiteral("formPath");
const QString kField = QStringLiteral("fieldKey");
const QString kColumn = QStringLiteral("column");

struct Entry {
    QString site;
    FormMapField field;
};

FormMapFileFault faultAt(const QByteArray& json, int offset, const QString& what) {
    const QByteArray before = json.left(offset);
    const int line = int(before.count('\n')) + 1;
    const int column = int(before.size() - before.lastIndexOf('\n'));
    return FormMapFileFault(
        QCoreApplication::translate("FormMapFile", "line %1, column %2: %3").arg(line).arg(column).arg(what));
}

QList<Entry> entriesOf(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw faultAt(json, error.offset, error.errorString());
    if (!document.isObject() || !document.object().value(kList).isArray())
        throw FormMapFileFault(QCoreApplication::translate("FormMapFile", "the file holds no \"%1\" list").arg(kList));
    const QJsonArray list = document.object().value(kList).toArray();
    QList<Entry> entries;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const auto fault = [i](const QString& what) {
            return FormMapFileFault(QCoreApplication::translate("FormMapFile", "entry %1: %2").arg(i + 1).arg(what));
        };
        if (!list[i].isObject())
            throw fault(QCoreApplication::translate("FormMapFile", "not an object"));
        const QJsonObject object = list[i].toObject();
        for (const QString& key : {kSite, kPath, kField, kColumn}) {
            if (!object.value(key).isString())
                throw fault(QCoreApplication::translate("FormMapFile", "\"%1\" is missing or not a text").arg(key));
        }
        Entry entry{
            object.value(kSite).toString(),
            {object.value(kPath).toString(), object.value(kField).toString(), object.value(kColumn).toString()}};
        if (entry.site.trimmed().isEmpty() || entry.field.fieldKey.isEmpty())
            throw fault(QCoreApplication::translate("FormMapFile", "\"%1\" or \"%2\" is empty").arg(kSite, kField));
        if (!entry.field.column.isEmpty() && !ProductFieldOfColumn(entry.field.column))
            throw fault(
                QCoreApplication::translate("FormMapFile", "\"%1\" is no product column").arg(entry.field.column));
        entries.append(entry);
    }
    return entries;
}

} // namespace

QByteArray FormMapsJson() {
    const DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT s.submitUrl, m.formPath, m.fieldKey, m.productColumn "
                                          "FROM tab_formMaps m JOIN tab_sites s ON s.siteID = m.siteID "
                                          "WHERE trim(coalesce(s.submitUrl, '')) <> '' "
                                          "ORDER BY m.siteID, m.formPath, m.fieldKey"));
    QJsonArray list;
    while (q.next())
        list.append(QJsonObject{{kSite, q.value(0).toString()},
                                {kPath, q.value(1).toString()},
                                {kField, q.value(2).toString()},
                                {kColumn, q.value(3).toString()}});
    return QJsonDocument(QJsonObject{{kList, list}}).toJson();
}

FormMapImport ImportFormMaps(const QByteArray& json) {
    const QList<Entry> entries = entriesOf(json);
    const DbConnection db;
    QHash<QString, QList<qint32>> sitesByAddress;
    QSqlQuery sites = db.query(QStringLiteral("SELECT siteID, submitUrl FROM tab_sites ORDER BY siteID"));
    while (sites.next())
        sitesByAddress[NormalizedSiteAddress(sites.value(1).toString())].append(sites.value(0).toInt());
    FormMapImport result;
    QHash<qint32, QList<FormMapField>> bySite;
    for (const Entry& entry : entries) {
        const QList<qint32> ids = sitesByAddress.value(NormalizedSiteAddress(entry.site));
        if (ids.isEmpty())
            ++result.unmatched;
        for (const qint32 id : ids)
            bySite[id].append(entry.field);
        result.stored += int(ids.size());
    }
    StoreFormMaps(bySite);
    return result;
}
