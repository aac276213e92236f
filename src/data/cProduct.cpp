#include "cProduct.h"

#include "ColumnValues.h"
#include "DateText.h"
#include "DbConnection.h"
#include "DbError.h"
#include "Trap.h"

#include <QSqlQuery>

namespace {

// Every column but the key, in the order the statements bind them.
const QString kColumns = QStringLiteral(
    "name, padURL, version, author, emailAuthor, sizeKB, programURL, screenShot, exeDownload_1, exeDownload_2, "
    "shortDescription, longDescription, keywords, icoURL, linkBack, buyURL, paymentRegNow, paymentShareIt, "
    "limitations, recentChanges, fullChangeLog, releaseDate");

QVariantList columnValues(const cProduct& p) {
    QVariantList values;
    for (const QString* text :
         {&p.Name,        &p.PADurl,        &p.Version,       &p.Author,        &p.EmailAuthor,      &p.SizeKB,
          &p.ProgramURL,  &p.ScreenShot,    &p.ExeDownload_1, &p.ExeDownload_2, &p.ShortDescription, &p.LongDescription,
          &p.Keywords,    &p.IcoURL,        &p.LinkBack,      &p.BuyURL,        &p.PaymentRegNow,    &p.PaymentShareIt,
          &p.Limitations, &p.RecentChanges, &p.FullChangeLog})
        values << TextValue(*text);
    values << (p.ReleaseDate.isValid() ? QVariant(DbDateText(p.ReleaseDate)) : QVariant());
    return values;
}

} // namespace

bool cProduct::Load() {
    return Trap(QStringLiteral("Error in Load: "), [&] {
        DbConnection db;
        QSqlQuery q = db.query(QStringLiteral("SELECT productID, ") + kColumns +
                                   QStringLiteral(" FROM tab_products WHERE productID = ?"),
                               {ProductID});
        if (!q.next())
            return;
        ProductID = q.value(0).toInt();
        int column = 1;
        for (QString* text :
             {&Name,        &PADurl,        &Version,       &Author,        &EmailAuthor,      &SizeKB,
              &ProgramURL,  &ScreenShot,    &ExeDownload_1, &ExeDownload_2, &ShortDescription, &LongDescription,
              &Keywords,    &IcoURL,        &LinkBack,      &BuyURL,        &PaymentRegNow,    &PaymentShareIt,
              &Limitations, &RecentChanges, &FullChangeLog})
            *text = TextColumn(q.value(column++));
        ReleaseDate = DbReadDateTime(q.value(column)).date();
    });
}

bool cProduct::Save() {
    return Trap(QStringLiteral("Error in Save: "), [&] {
        DbConnection db;
        const qint64 key = db.insert(QStringLiteral("INSERT INTO tab_products (") + kColumns +
                                         QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                                        "?, ?, ?, ?, ?)"),
                                     columnValues(*this));
        ProductID = qint32(key);
    });
}

bool cProduct::Update() {
    return Trap(QStringLiteral("Error in Update: "), [&] {
        QString assignments = kColumns;
        assignments.replace(QLatin1String(","), QLatin1String(" = ?,")).append(QLatin1String(" = ?"));
        DbConnection db;
        RequireRowChanged(db.execute(QStringLiteral("UPDATE tab_products SET ") + assignments +
                                         QStringLiteral(" WHERE productID = ?"),
                                     columnValues(*this) << ProductID),
                          QStringLiteral("product"));
    });
}
