#include "ProductFields.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "cProduct.h"

#include <QTest>

// Saving and loading every field through the product editor is tested with frmProduct; here what the editor
// cannot reach: emptied fields, no release date, null columns, missing rows and failures.
namespace {

// Every text field its own value, with apostrophes, line breaks and characters beyond ASCII.
cProduct filledProduct(const QString& tag) {
    cProduct product;
    for (const ProductField& f : ProductFields())
        if (f.text)
            product.*f.text = QStringLiteral("%1 %2: it's Ünïcode ✓\n'quoted'").arg(tag, f.column);
    product.ReleaseDate = QDate(2012, 3, 5);
    return product;
}

void compareFields(const cProduct& actual, const cProduct& expected) {
    for (const ProductField& f : ProductFields())
        if (f.text)
            QVERIFY2(actual.*f.text == expected.*f.text, qPrintable(f.column));
    QCOMPARE(actual.ReleaseDate, expected.ReleaseDate);
}

} // namespace

class tst_cProduct final : public QObject {
    Q_OBJECT

private slots:
    void emptiedFieldsAreEmptyTextsAndNoDateIsNull() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        QVERIFY(filledProduct("first").Save());
        QVERIFY(filledProduct("second").Save());
        cProduct emptied;
        emptied.ProductID = 1;
        QVERIFY(emptied.Update());
        for (const ProductField& f : ProductFields()) {
            if (!f.text)
                continue;
            const QVariant stored =
                dir.scalar(QStringLiteral("SELECT %1 FROM tab_products WHERE productID = 1").arg(f.column));
            QVERIFY2(!stored.isNull() && stored.toString().isEmpty(), qPrintable(f.column));
        }
        QVERIFY(dir.scalar("SELECT releaseDate FROM tab_products WHERE productID = 1").isNull());
        cProduct back = filledProduct("old");
        back.ProductID = 1;
        QVERIFY(back.Load());
        QVERIFY(back.ReleaseDate.isNull());
        back.ProductID = 2;
        QVERIFY(back.Load());
        compareFields(back, filledProduct("second"));
        QVERIFY(boxes.shown().isEmpty());
    }

    void nullColumnsAndMissingRowsKeepTheDefaults() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.sql("INSERT INTO tab_products (name) VALUES (NULL)");
        cProduct product = filledProduct("old");
        product.ProductID = 1;
        QVERIFY(product.Load());
        compareFields(product, cProduct());

        cProduct missing = filledProduct("kept");
        missing.ProductID = 9;
        QVERIFY(missing.Load());
        compareFields(missing, filledProduct("kept"));
        QVERIFY(boxes.shown().isEmpty());
        // Saving over a row that is gone is a failure, never a silent success.
        QVERIFY(!missing.Update());
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_products").toInt(), 1);
        QCOMPARE(boxes.texts().size(), 1);
        QVERIFY(boxes.texts()[0].startsWith("Error in Update: This product no longer exists"));
    }

    void failuresAreReportedAndReturnFalse() {
        TestProgramDir dir(false);
        MsgBoxSpy boxes;
        cProduct product = filledProduct("lost");
        product.ProductID = 3;
        QVERIFY(!product.Load());
        QVERIFY(!product.Save());
        QVERIFY(!product.Update());
        const QStringList texts = boxes.texts();
        QCOMPARE(texts.size(), 3);
        QVERIFY(texts[0].startsWith("Error in Load: ") && texts[1].startsWith("Error in Save: ") &&
                texts[2].startsWith("Error in Update: "));
        QCOMPARE(product.ProductID, 3);
    }

    // Names from the interface reach a statement only as one of the fields' own column names.
    void pasteNamesAndColumnsAreTheFieldsOnly() {
        QCOMPARE(PasteNames().size(), 12);
        for (const QString& name : PasteNames()) {
            const ProductField* f = ProductFieldOfPasteName(name);
            QVERIFY2(f && f->column.compare(name, Qt::CaseInsensitive) == 0, qPrintable(name));
        }
        for (const QString& other : {QString(), QString("name"), QString("padURL"), QString("Name FROM tab_sites --")})
            QVERIFY2(!ProductFieldOfPasteName(other), qPrintable(other));
        QVERIFY(!ProductFieldOfColumn("name FROM tab_sites --") && !ProductFieldOfColumn("productID"));
    }
};

QUILL_TEST_MAIN(tst_cProduct)
#include "tst_cProduct.moc"
