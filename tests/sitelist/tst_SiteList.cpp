#include "Seed.h"
#include "SiteList.h"
#include "SiteRow.h"
#include "Spies.h"
#include "TestProgramDir.h"

#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>

namespace {

enum { ColId, ColUrl, ColStatus, ColOld, ColRank, ColAu };

} // namespace

class tst_SiteList final : public QObject {
    Q_OBJECT

    QTreeWidget m_list;
    QString m_status;

    void build(const SiteListFilter& filter) {
        BuildSiteList(&m_list, filter, [this](const QString& text) { m_status = text; });
    }
    QStringList column(int c) const {
        QStringList texts;
        for (int i = 0; i < m_list.topLevelItemCount(); ++i)
            texts << m_list.topLevelItem(i)->text(c);
        return texts;
    }
    QStringList ids() const { return column(ColId); }

    // Four sites: A submitted, B published and old, C with no status row, D with a null address.
    qint32 seedArchive() {
        const qint32 product = SeedProduct("P");
        const qint32 a = SeedSite("http://a.example/submit", {{"rank", 9}, {"authReq", 1}, {"userID", "me"}});
        const qint32 b = SeedSite("HTTP://b.example/o'brien", {{"rank", 10}, {"authReq", 1}, {"userID", ""}});
        const qint32 c = SeedSite("https://c.example/", {{"rank", -1}, {"bookmark", 1}, {"autoUpdate", 1}});
        SeedSite("http://d.example/x", {{"authReq", 1}});
        SeedStatus(a, product, 1);
        SeedStatus(b, product, 2, true);
        Q_UNUSED(c);
        return product;
    }

private slots:
    void init() {
        m_list.clear();
        m_status.clear();
        MakeSiteListColumns(&m_list);
    }

    void columnsHaveCaptionsAndSortTypes() {
        m_list.resize(1000, 300);
        MakeSiteListColumns(&m_list);
        const QStringList captions{"ID", "Submit Url", "Status", "Old V.", "Rank", "AU."};
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(m_list.headerItem()->text(i), captions[i]);
        QCOMPARE(m_list.headerItem()->data(ColRank, SortTypeRole).toString(), QString("NUMBER"));
        QCOMPARE(m_list.headerItem()->data(ColUrl, SortTypeRole).toString(), QString("STRING"));
        QCOMPARE(m_list.columnWidth(ColUrl), m_list.viewport()->width() * 45 / 100);
    }

    void rowsWithoutProductShowUnknownStatus() {
        TestProgramDir dir;
        seedArchive();
        SeedSite(QString(), {}); // placeholder to be replaced below
        dir.sql("UPDATE tab_sites SET submitUrl = NULL WHERE siteID = 5");
        MsgBoxSpy boxes;
        build({0, -1, {}, true, 1});
        QCOMPARE(boxes.texts(), QStringList{"Error SubmitUrl is null"});
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::None);
        // Null first, then by address without regard to case.
        QCOMPARE(ids(), (QStringList{"5", "1", "2", "4", "3"}));
        QCOMPARE(column(ColUrl), (QStringList{"", "a.example/submit", "HTTP://b.example/o'brien", "d.example/x",
                                              "https://c.example/"}));
        QCOMPARE(column(ColStatus), QStringList(5, "?"));
        QCOMPARE(column(ColOld), QStringList(5, "?")); // "Old version only" has no effect without a product
        QCOMPARE(m_status, QString("Quillomar PAD Submitter - Elements: 5"));

        QTreeWidgetItem* a = SiteRow::FindByKey(&m_list, "1 ID");
        QVERIFY(a);
        QCOMPARE(SiteRow::IdOf(a), 1);
        QCOMPARE(SiteRow::Tag(a), QString("http://a.example/submit"));
        QCOMPARE(SiteRow::IconKey(a, ColUrl), QString("user_ok"));
        QCOMPARE(SiteRow::IconKey(SiteRow::FindByKey(&m_list, "2 ID"), ColUrl), QString("user_req"));
        QCOMPARE(SiteRow::IconKey(SiteRow::FindByKey(&m_list, "4 ID"), ColUrl), QString("empty")); // null user
        QTreeWidgetItem* c = SiteRow::FindByKey(&m_list, "3 ID");
        QCOMPARE(SiteRow::IconKey(c, ColId), QString("bookmark"));
        QCOMPARE(c->text(ColAu), QString("X"));
        QCOMPARE(c->text(ColRank), QString("-1"));
        QCOMPARE(SiteRow::FindByKey(&m_list, "4 ID")->text(ColRank), QString());
    }

    void productStatusesAndFilters() {
        TestProgramDir dir;
        const qint32 product = seedArchive();
        build({product, -1, {}, false, 0});
        QCOMPARE(ids(), (QStringList{"2", "1", "3", "4"})); // rank, highest first, empty last
        QStringList icons;
        for (int i = 0; i < m_list.topLevelItemCount(); ++i)
            icons << SiteRow::IconKey(m_list.topLevelItem(i), ColStatus);
        QCOMPARE(icons, (QStringList{"published", "submitted", "notSubmitted", "notSubmitted"}));
        QCOMPARE(column(ColStatus), QStringList(4, " "));
        QCOMPARE(column(ColOld), (QStringList{"X", "", "", ""}));

        build({product, 0, {}, false, 0});
        QCOMPARE(ids(), (QStringList{"3", "4"}));
        build({product, 1, {}, false, 0});
        QCOMPARE(ids(), QStringList{"1"});
        build({product, 2, {}, true, 0});
        QCOMPARE(ids(), QStringList{"2"});
        build({product, 0, {}, true, 0});
        QVERIFY(ids().isEmpty());
        QCOMPARE(m_status, QString("Quillomar PAD Submitter - Elements: 0"));
        build({product, -1, {}, true, 0});
        QCOMPARE(ids(), QStringList{"2"});
        build({product, 7, {}, false, 0}); // an unknown filter keeps every row
        QCOMPARE(m_list.topLevelItemCount(), 4);
    }

    void statusFilterWithoutProductEmptiesTheList() {
        TestProgramDir dir;
        seedArchive();
        build({0, 1, {}, false, 1});
        QCOMPARE(m_list.topLevelItemCount(), 0);
        QCOMPARE(m_status, QString("Quillomar PAD Submitter - Elements: 0"));
    }

    void searchMatchesAddressesAsTyped() {
        TestProgramDir dir;
        seedArchive();
        build({0, -1, "O'BRIEN", false, 1});
        QCOMPARE(ids(), QStringList{"2"});
        build({0, -1, "   ", false, 1});
        QCOMPARE(m_list.topLevelItemCount(), 4);
        build({0, -1, " a.example", false, 1}); // the blank stays in the pattern
        QVERIFY(ids().isEmpty());
        build({0, -1, "a.example", false, 2}); // no ordering: the database's order
        QCOMPARE(ids(), QStringList{"1"});
    }

    void rebuildLeavesNothingSelected() {
        TestProgramDir dir;
        const qint32 product = seedArchive();
        build({product, -1, {}, false, 1});
        SiteRow::SelectAndShow(&m_list, m_list.topLevelItem(1));
        QVERIFY(SiteRow::SelectedItem(&m_list));
        build({product, -1, {}, false, 1});
        QVERIFY(!SiteRow::SelectedItem(&m_list));
        QVERIFY(m_list.selectedItems().isEmpty());
    }

    void failureKeepsNothingBrokenAndThrows() {
        TestProgramDir dir(false);
        QVERIFY_THROWS_EXCEPTION(std::exception, build({0, -1, {}, false, 1}));
        QCOMPARE(m_list.topLevelItemCount(), 0);
        QVERIFY(m_list.updatesEnabled());
    }
};

QTEST_MAIN(tst_SiteList)
#include "tst_SiteList.moc"
