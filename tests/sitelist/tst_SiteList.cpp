#include "ListRows.h"
#include "ListViewSorting.h"
#include "Seed.h"
#include "SiteList.h"
#include "SiteRow.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"

#include <QTreeWidget>

enum { ColId, ColUrl, ColStatus, ColOld, ColRank };
constexpr qint32 kP = 1; // the first product of a fresh archive

// Product P and sites 1 to 4 of ranks 10, 9, -1 and none: 1 submitted, 2 published and old, 3 and 4 without status.
class tst_SiteList final : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<QTreeWidget> m_list; // new for each test: the sort state lives on the list
    QString m_status;

    QStringList build(const SiteListFilter& filter) {
        BuildSiteList(m_list.get(), filter, [this](const QString& text) { m_status = text; });
        return ColumnTexts(m_list.get(), ColId);
    }

private slots:
    void init() {
        m_dir.reset(); // before the next one: its end clears the connection
        m_dir = std::make_unique<TestProgramDir>();
        QCOMPARE(SeedProduct("P"), kP);
        SeedStatus(SeedSite("http://a.example/submit", {{"rank", 10}, {"authReq", 1}, {"userID", "me"}}), kP, 1);
        SeedStatus(SeedSite("HTTP://b.example/o'brien", {{"rank", 9}, {"authReq", 1}, {"userID", ""}}), kP, 2, true);
        SeedSite("https://c.example/", {{"rank", -1}, {"bookmark", 1}, {"autoUpdate", 1}});
        SeedSite("http://d.example/x", {{"authReq", 1}});
        m_list = std::make_unique<QTreeWidget>();
        MakeSiteListColumns(m_list.get());
    }

    void rowsShowWhatTheArchiveHolds() {
        m_dir->sql("INSERT INTO tab_sites (submitUrl) VALUES (NULL)");
        MsgBoxSpy boxes;
        build({kP, -1, {}}); // by address, null first
        QCOMPARE(boxes.texts(), QStringList{"Error SubmitUrl is null"});
        QStringList rows; // each cell's text, and its picture's key in brackets
        for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = m_list->topLevelItem(i);
            rows << "";
            for (int c = 0; c < m_list->columnCount(); ++c) {
                const QString icon = SiteRow::IconKey(item, c);
                rows.last() += item->text(c) + (icon.isEmpty() || icon == "empty" ? "|" : '[' + icon + "]|");
            }
        }
        QCOMPARE(rows, (QStringList{"5|| [notSubmitted]||||", "1|a.example/submit[user_ok]| [submitted]||10||",
                                    "2|HTTP://b.example/o'brien[user_req]| [published]|X|9||",
                                    "4|d.example/x| [notSubmitted]||||", // its user is null
                                    "3[bookmark]|https://c.example/| [notSubmitted]||-1|X|"}));
        build({0, -1, {}}); // no product: no status known
        QCOMPARE(ColumnTexts(m_list.get(), ColStatus) + ColumnTexts(m_list.get(), ColOld), QStringList(10, "?"));
    }

    void filtersAndSearchChooseTheRows_data() {
        QTest::addColumn<SiteListFilter>("filter");
        QTest::addColumn<QStringList>("sites");
        const QStringList all{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
        QTest::newRow("not submitted") << SiteListFilter{kP, 0, {}} << all.mid(2);
        QTest::newRow("submitted") << SiteListFilter{kP, 1, {}} << QStringList{"1"};
        QTest::newRow("published") << SiteListFilter{kP, 2, {}} << QStringList{"2"};
        QTest::newRow("old version only") << SiteListFilter{kP, -1, {}, true} << QStringList{"2"};
        QTest::newRow("old and not submitted") << SiteListFilter{kP, 0, {}, true} << QStringList();
        QTest::newRow("status without product") << SiteListFilter{0, 1, {}} << QStringList();
        QTest::newRow("old only without product") << SiteListFilter{0, -1, {}, true} << all;
        // Sites 5 to 9 hold the characters that are wildcards or the escape in a pattern: they match literally.
        QTest::newRow("quote, any case") << SiteListFilter{0, -1, "O'BRIEN"} << QStringList{"2"};
        QTest::newRow("blanks only") << SiteListFilter{0, -1, "   "} << all;
        QTest::newRow("blank kept") << SiteListFilter{0, -1, " a.example"} << QStringList();
        QTest::newRow("percent") << SiteListFilter{0, -1, "50%"} << QStringList{"5"};
        QTest::newRow("underscore") << SiteListFilter{0, -1, "A_B"} << QStringList{"7"};
        QTest::newRow("backslash") << SiteListFilter{0, -1, "\\"} << QStringList{"9"};
        QTest::newRow("backslash before percent") << SiteListFilter{0, -1, "\\%"} << QStringList();
    }
    void filtersAndSearchChooseTheRows() {
        QFETCH(SiteListFilter, filter);
        QFETCH(QStringList, sites);
        for (const char* address : {"http://e.example/sale50%", "http://e.example/sale500", "http://e.example/a_b",
                                    "http://e.example/axb", "http://e.example/c\\d"})
            SeedSite(address);
        QStringList found = build(filter);
        found.sort();
        QCOMPARE(found, sites);
        QCOMPARE(m_status, QString("Quillomar PAD Submitter - Elements: %1").arg(sites.size()));
    }

    void headerClicksSortByTheColumnsValue_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("sites");
        // The status cells show only pictures.
        QTest::newRow("status, ties by address") << QList<int>{ColStatus} << QStringList{"4", "3", "1", "2"};
        QTest::newRow("status twice") << QList<int>{ColStatus, ColStatus} << QStringList{"2", "1", "3", "4"};
        QTest::newRow("rank, empty first") << QList<int>{ColRank} << QStringList{"4", "3", "2", "1"};
        QTest::newRow("address, any case") << QList<int>{ColUrl} << QStringList{"1", "4", "2", "3"};
        // The direction belongs to the list, whichever column was clicked before.
        QTest::newRow("rank, then address") << QList<int>{ColRank, ColUrl} << QStringList{"3", "2", "4", "1"};
    }
    // Built by rank, highest first: 1, 2, 3, 4. A rebuild keeps the order of the last click.
    void headerClicksSortByTheColumnsValue() {
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, sites);
        build({kP, -1, {}, false, 0});
        for (int column : clicks)
            ListViewSorting(m_list.get(), column);
        QCOMPARE(ColumnTexts(m_list.get(), ColId), sites);
        QCOMPARE(build({kP, -1, {}}), sites); // by address
    }
};

QUILL_TEST_MAIN(tst_SiteList)
#include "tst_SiteList.moc"
