#include "BrowserQueries.h"
#include "DbConnection.h"
#include "DbError.h"
#include "ProductFields.h"
#include "Seed.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "cProduct.h"
#include "cSite.h"

#include <QSqlRecord>
#include <QTest>

class tst_Records final : public QObject {
    Q_OBJECT

    // Every text its own, with an apostrophe, a quote, a line break and characters beyond ASCII.
    static QString text(int tag, const QString& field) {
        return QString("%1 %2: it's \"Ü\" 日本\n--").arg(tag).arg(field);
    }
    static inline const QList<QString cSite::*> kSiteTexts{&cSite::Name,   &cSite::HomePage, &cSite::SubmitUrl,
                                                           &cSite::UserID, &cSite::Password, &cSite::Notes};
    static cSite filled(cSite s, int tag) {
        for (QString cSite::*t : kSiteTexts)
            s.*t = text(tag, QString::number(kSiteTexts.indexOf(t)));
        s.Rank = tag % 2 ? -32768 : 32767;
        s.AutoUpdate = tag % 2;
        s.AuthReq = !s.AutoUpdate;
        return s;
    }
    static cProduct filled(cProduct p, int tag) {
        for (const ProductField& f : ProductFields())
            if (f.text)
                p.*f.text = text(tag, f.column);
        p.ReleaseDate = QDate(2012, 3, tag);
        return p;
    }
    // Every field the user edits, so that a comparison shows the one that differs.
    static QStringList fields(const cSite& s) {
        QStringList texts{QString::number(s.Rank), QString::number(s.AutoUpdate), QString::number(s.AuthReq)};
        for (QString cSite::*t : kSiteTexts)
            texts << s.*t;
        return texts;
    }
    static QStringList fields(const cProduct& p) {
        QStringList texts;
        for (const ProductField& f : ProductFields())
            texts << f.column + '=' + (f.text ? p.*f.text : p.ReleaseDate.toString(Qt::ISODate));
        return texts;
    }
    static qint32& key(cSite& s) { return s.SiteID; }
    static qint32& key(cProduct& p) { return p.ProductID; }
    template <class Record> static Record loaded(qint32 id, Record into = {}) {
        key(into) = id;
        into.Load(); // a failure shows a box, which the tests look for
        return into;
    }
    static QStringList nullColumns(const QString& table) {
        const DbConnection db;
        QSqlQuery q = db.query("SELECT * FROM " + table + " WHERE rowid = 1");
        QStringList names;
        q.next();
        for (int i = 0; i < q.record().count(); ++i)
            if (q.isNull(i))
                names << q.record().fieldName(i);
        return names;
    }

    // Two rows saved, the first updated and then emptied: each reads back as written and only its row changes. (Saving
    // over a row deleted meanwhile: tst_RecordEditors.)
    template <class Record> void roundTrip(const QString& record, const QStringList& nullable) {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        Record first = filled(Record(), 1);
        Record second = filled(Record(), 2);
        QVERIFY(first.Save() && second.Save());
        Record changed = filled(Record(), 3);
        key(changed) = key(first);
        QVERIFY(changed.Update());
        QCOMPARE(fields(loaded<Record>(key(first))), fields(changed));
        QCOMPARE(fields(loaded<Record>(key(second))), fields(second));
        Record emptied;
        key(emptied) = key(first);
        QVERIFY(emptied.Update());
        QCOMPARE(nullColumns("tab_" + record + "s"), nullable);
        QCOMPARE(fields(loaded(key(first), filled(Record(), 4))), fields(Record()));
        QVERIFY(boxes.shown().isEmpty());
    }

private slots:
    void siteGoesRoundTripOnItsOwnRow() { roundTrip<cSite>("site", {}); }
    void productGoesRoundTripOnItsOwnRow() { roundTrip<cProduct>("product", {"releaseDate"}); }

    // A column name from the interface reaches a statement only when it is a product field's.
    void productColumnIsReadOnlyForAFieldsName() {
        TestProgramDir dir;
        const qint32 product = SeedProduct("Tool", {{"shortDescription", "Short \"one\""}});
        QCOMPARE(ReadProductColumn(product, "shortDescription")->toString(), QString("Short \"one\""));
        QVERIFY(ReadProductColumn(product, "longDescription")->isNull());
        QVERIFY(!ReadProductColumn(product + 1, "name"));
        for (const char* column : {"submitUrl", "name FROM tab_sites --", "", "productID"})
            QVERIFY_THROWS_EXCEPTION(Failure, ReadProductColumn(product, column));
    }
};

QUILL_TEST_MAIN(tst_Records)
#include "tst_Records.moc"
