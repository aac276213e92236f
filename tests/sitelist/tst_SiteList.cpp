#include "ListRows.h"
#include "ListViewSorting.h"
#include "Seed.h"
#include "SiteList.h"
#include "SiteRow.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"

#include <QTest>
#include <QTreeWidget>

namespace {

enum { ColId, ColUrl, ColStatus, ColOld, ColRank, ColAu };

// Every row's texts, key and tag, in no particular order: what a sort must leave as it was.
QStringList rowContents(const QTreeWidget& list) {
    QStringList result;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list.topLevelItem(i);
        QString contents = row->data(0, SiteRow::KeyRole).toString() + '#' + SiteRow::Tag(row);
        for (int c = 0; c < list.columnCount(); ++c)
            contents += '|' + row->text(c);
        result << contents;
    }
    result.sort();
    return result;
}

} // namespace

// Four sites: 1 submitted, 2 published and old, 3 with no status row, 4 with no rank; product P.
class tst_SiteList final : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<QTreeWidget> m_list; // new for each test: the sort state lives on the list
    QString m_status;
    qint32 m_product = 0;

    QStringList build(qint32 product, qint32 filter, const QString& search = {}, bool oldOnly = false,
                      qint16 order = 0) {
        BuildSiteList(m_list.get(), {product, filter, search, oldOnly, order},
                      [this](const QString& text) { m_status = text; });
        return ColumnTexts(m_list.get(), ColId);
    }
    QTreeWidgetItem* row(qint32 site) { return SiteRow::FindByKey(m_list.get(), SiteRow::KeyFor(site)); }

private slots:
    void init() {
        m_dir.reset(); // before the next one: its end clears the connection
        m_dir = std::make_unique<TestProgramDir>();
        m_product = SeedProduct("P");
        const qint32 a = SeedSite("http://a.example/submit", {{"rank", 9}, {"authReq", 1}, {"userID", "me"}});
        const qint32 b = SeedSite("HTTP://b.example/o'brien", {{"rank", 10}, {"authReq", 1}, {"userID", ""}});
        SeedSite("https://c.example/", {{"rank", -1}, {"bookmark", 1}, {"autoUpdate", 1}});
        SeedSite("http://d.example/x", {{"authReq", 1}});
        SeedStatus(a, m_product, 1);
        SeedStatus(b, m_product, 2, true);
        m_list = std::make_unique<QTreeWidget>();
        MakeSiteListColumns(m_list.get());
    }

    // The status cells hold only pictures: they sort by status, then by address.
    void statusColumnSortsByStatusThenAddress() {
        build(m_product, -1);
        ListViewSorting(m_list.get(), ColStatus);
        QCOMPARE(ColumnTexts(m_list.get(), ColId), (QStringList{"4", "3", "1", "2"}));
        ListViewSorting(m_list.get(), ColStatus);
        QCOMPARE(ColumnTexts(m_list.get(), ColId), (QStringList{"2", "1", "3", "4"}));
    }

    // Ranks sort by value, an empty one first ascending; a sort moves whole rows; each click turns the list's one
    // direction, whatever the column; a rebuild keeps the order.
    void rankSortMovesWholeRowsAndOutlivesARebuild() {
        build(m_product, -1, {}, false, 2);
        const QStringList before = rowContents(*m_list);
        ListViewSorting(m_list.get(), ColRank);
        QCOMPARE(ColumnTexts(m_list.get(), ColRank), (QStringList{"", "-1", "9", "10"}));
        QCOMPARE(rowContents(*m_list), before);
        ListViewSorting(m_list.get(), ColId);
        QCOMPARE(ColumnTexts(m_list.get(), ColId), (QStringList{"4", "3", "2", "1"}));
        ListViewSorting(m_list.get(), ColRank);
        SeedSite("http://e.example/", {{"rank", 100}});
        build(m_product, -1, {}, false, 2);
        QCOMPARE(ColumnTexts(m_list.get(), ColRank), (QStringList{"", "-1", "9", "10", "100"}));
    }

    void rowsWithoutProductShowUnknownStatus() {
        m_dir->sql("INSERT INTO tab_sites (submitUrl) VALUES (NULL)");
        MsgBoxSpy boxes;
        // Null first, then by address without regard to case; "Old version only" has no effect without a product.
        QCOMPARE(build(0, -1, {}, true, 1), (QStringList{"5", "1", "2", "4", "3"}));
        QCOMPARE(boxes.texts(), QStringList{"Error SubmitUrl is null"});
        QCOMPARE(ColumnTexts(m_list.get(), ColUrl), (QStringList{"", "a.example/submit", "HTTP://b.example/o'brien",
                                                                 "d.example/x", "https://c.example/"}));
        QCOMPARE(ColumnTexts(m_list.get(), ColStatus) + ColumnTexts(m_list.get(), ColOld), QStringList(10, "?"));
        QCOMPARE(m_status, QString("Quillomar PAD Submitter - Elements: 5"));

        QCOMPARE(SiteRow::Tag(row(1)), QString("http://a.example/submit"));
        QCOMPARE((QStringList{SiteRow::IconKey(row(1), ColUrl), SiteRow::IconKey(row(2), ColUrl),
                              SiteRow::IconKey(row(4), ColUrl)}),
                 (QStringList{"user_ok", "user_req", "empty"})); // site 4's user is null
        QCOMPARE(SiteRow::IconKey(row(3), ColId), QString("bookmark"));
        QCOMPARE(row(3)->text(ColAu) + row(3)->text(ColRank) + "|" + row(4)->text(ColRank), QString("X-1|"));
    }

    void productStatusesAndFilters() {
        QCOMPARE(build(m_product, -1), (QStringList{"2", "1", "3", "4"})); // by rank, empty last
        QStringList icons;
        for (int i = 0; i < m_list->topLevelItemCount(); ++i)
            icons << SiteRow::IconKey(m_list->topLevelItem(i), ColStatus);
        QCOMPARE(icons, (QStringList{"published", "submitted", "notSubmitted", "notSubmitted"}));
        QCOMPARE(ColumnTexts(m_list.get(), ColOld), (QStringList{"X", "", "", ""}));

        QCOMPARE(build(m_product, 0), (QStringList{"3", "4"}));
        QCOMPARE(build(m_product, 1), QStringList{"1"});
        QCOMPARE(build(m_product, 2, {}, true), QStringList{"2"});
        QCOMPARE(build(m_product, -1, {}, true), QStringList{"2"});
        QCOMPARE(build(m_product, 0, {}, true), QStringList());
        QCOMPARE(m_status, QString("Quillomar PAD Submitter - Elements: 0"));
        QCOMPARE(build(m_product, 7).size(), 4); // an unknown filter keeps every row
        QCOMPARE(build(0, 1), QStringList());    // a status filter without a product empties the list
    }

    // Sites 5 to 9 hold the characters that are wildcards or the escape in a pattern.
    void searchMatchesAddressesLiterally_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("sites");
        QTest::newRow("quote, any case") << "O'BRIEN" << QStringList{"2"};
        QTest::newRow("blanks only") << "   " << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
        QTest::newRow("blank kept") << " a.example" << QStringList();
        QTest::newRow("percent") << "50%" << QStringList{"5"};
        QTest::newRow("underscore") << "A_B" << QStringList{"7"};
        QTest::newRow("backslash") << "\\" << QStringList{"9"};
        QTest::newRow("backslash before letter") << "c\\d" << QStringList{"9"};
        QTest::newRow("backslash before percent") << "\\%" << QStringList();
    }
    void searchMatchesAddressesLiterally() {
        QFETCH(QString, search);
        QFETCH(QStringList, sites);
        for (const char* address : {"http://e.example/sale50%", "http://e.example/sale500", "http://e.example/a_b",
                                    "http://e.example/axb", "http://e.example/c\\d"})
            SeedSite(address);
        QStringList found = build(0, -1, search, false, 2); // an unknown order still searches
        found.sort();
        QCOMPARE(found, sites);
    }

    void failureKeepsNothingBrokenAndThrows() {
        QVERIFY(QFile::remove(m_dir->dbPath()));
        QVERIFY_THROWS_EXCEPTION(std::exception, build(0, -1));
        QCOMPARE(m_list->topLevelItemCount(), 0);
        QVERIFY(m_list->updatesEnabled());
    }
};

QUILL_TEST_MAIN(tst_SiteList)
#include "tst_SiteList.moc"
