#include "RunningProgram.h"
#include "TestMain.h"

#include <QMenu>

namespace {

enum { ColId };

// Six sites ordered by address; sites 2, 5 and 6 are bookmarked, site 6 never shows under the search "site";
// site 1 has a status row.
void seed(const TestProgramDir&) {
    for (int i = 1; i <= 5; ++i)
        SeedSite(QString("http://site%1.example/").arg(i), {{"bookmark", i == 2 || i == 5 ? 1 : 0}});
    SeedSite("http://zzz.example/", {{"bookmark", 1}});
    SeedStatus(1, SeedProduct("P"), 1);
}

} // namespace

class tst_SiteListCommands final : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> p;

    frmMain* w() const { return gMainWindow; }

    QTreeWidget* list() const { return w()->lvwSites; }
    QTreeWidgetItem* row(qint32 site) const { return p->row(site); }
    QTreeWidgetItem* selected() const { return SiteRow::SelectedItem(list()); }
    QPoint belowTheRows() const { return QPoint(10, list()->viewport()->height() - 3); }
    void click(qint32 site, Qt::KeyboardModifiers modifiers = {}) { p->click(site, modifiers); }
    int count(const char* sql) const { return p->dir.scalar(sql).toInt(); }

public:
private slots:
    void init() {
        p = std::make_unique<RunningProgram>(seed);
        QVERIFY(p->started);
    }
    void cleanup() { p.reset(); }

    void releaseBelowTheRowsDeselectsAndRightButtonOpensTheMenu() {
        click(3);
        QVERIFY(selected());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, belowTheRows());
        QVERIFY(!selected());
        QVERIFY(!w()->mnuLvwSites->isVisible());

        click(3);
        QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, belowTheRows());
        QVERIFY(!selected());
        QTRY_VERIFY(w()->mnuLvwSites->isVisible());
        for (const QAction* action : w()->mnuLvwSites->findChildren<QAction*>())
            QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
        w()->mnuLvwSites->close();
        QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, list()->visualItemRect(row(4)).center());
        QTRY_VERIFY(w()->mnuLvwSites->isVisible());
        w()->mnuLvwSites->close();
    }

    void toggleFlipsTheMarkAndTheIcon() {
        click(1);
        w()->miLvwSitesToggleBookmark_Click();
        QCOMPARE(count("SELECT bookmark FROM tab_sites WHERE siteID = 1"), 1);
        QCOMPARE(SiteRow::IconKey(row(1), ColId), QString("bookmark"));
        w()->miLvwSitesToggleBookmark_Click();
        QCOMPARE(count("SELECT bookmark FROM tab_sites WHERE siteID = 1"), 0);
        QCOMPARE(SiteRow::IconKey(row(1), ColId), QString("empty"));
        w()->cboFilterStatus_Click();
        QCOMPARE(SiteRow::IconKey(row(1), ColId), QString());

        list()->clearSelection();
        w()->miLvwSitesToggleBookmark_Click(); // nothing selected: nothing changes
        QCOMPARE(count("SELECT COUNT(*) FROM tab_sites WHERE bookmark = 1"), 3);
    }

    void nextBookmarkSearchesDownwardOnly() {
        click(1);
        w()->miLvwSitesGoToNextBookmark_Click();
        QCOMPARE(selected(), row(2));
        w()->miLvwSitesGoToNextBookmark_Click(); // never itself
        QCOMPARE(selected(), row(5));
        QVERIFY(p->boxes.shown().isEmpty());

        QTest::keyClicks(w()->txtSearch, "site"); // hides the bookmarked zzz.example
        click(5);
        w()->miLvwSitesGoToNextBookmark_Click();
        QCOMPARE(p->boxes.texts(), QStringList{"End of the list"});
        QVERIFY(list()->selectedItems().isEmpty());
    }

    void clearingAllReachesHiddenSitesToo() {
        QTest::keyClicks(w()->txtSearch, "site");
        p->boxes.answer(Msg::Answer::No);
        w()->miLvwSitesClearAllBookmark_Click();
        QCOMPARE(count("SELECT COUNT(*) FROM tab_sites WHERE bookmark = 1"), 3);
        p->boxes.answer(Msg::Answer::Yes);
        w()->miLvwSitesClearAllBookmark_Click();
        QCOMPARE(count("SELECT COUNT(*) FROM tab_sites WHERE bookmark = 1"), 0);
        QCOMPARE(p->boxes.texts().last(), QString("Bookmarks cleared"));
        QCOMPARE(SiteRow::IconKey(row(2), ColId), QString());
    }

    void deleteKeyRemovesEverySelectedSiteAfterOneQuestion() {
        // A focused row that is not selected counts as none: nothing is asked.
        click(3);
        list()->clearSelection();
        p->trigger("miLvwSitesDelete");
        QVERIFY(p->boxes.shown().isEmpty());

        click(1);
        click(4, Qt::ControlModifier);
        p->boxes.answer(Msg::Answer::No);
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(count("SELECT COUNT(*) FROM tab_sites"), 6);
        QCOMPARE(p->boxes.shown().last().defaultButton, Msg::Answer::No);

        p->boxes.answer(Msg::Answer::Yes);
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(p->boxes.shown().size(), 2);
        QCOMPARE(ColumnTexts(list(), ColId), (QStringList{"2", "3", "5", "6"}));
        QCOMPARE(count("SELECT COUNT(*) FROM tab_sites WHERE siteID IN (1, 4)"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM tab_productStatus"), 1); // the deleted site's status stays
    }

    void selectAllTakesOnlyTheListedRows() {
        QTest::keyClicks(w()->txtSearch, "site");
        p->trigger("miSiteSelectAll");
        QCOMPARE(list()->selectedItems().size(), 5);
        QVERIFY(selected());
        p->trigger("miLvwSitesSelectNone");
        QVERIFY(list()->selectedItems().isEmpty());
    }
};

QUILL_TEST_MAIN(tst_SiteListCommands)
#include "tst_SiteListCommands.moc"
