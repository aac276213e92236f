#include "Seed.h"
#include "SiteRow.h"
#include "Spies.h"
#include "TestProgramDir.h"
#include "frmMain.h"
#include "modMain.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

namespace {

enum { ColId };

QStringList entries(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class tst_SiteListCommands final : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<MsgBoxSpy> m_boxes;
    std::unique_ptr<ShellSpy> m_shell;

    frmMain* w() const { return gMainWindow; }
    QTreeWidget* list() const { return gMainWindow->lvwSites; }
    QTreeWidgetItem* row(qint32 site) const { return SiteRow::FindByKey(list(), SiteRow::KeyFor(site)); }
    QPoint centreOf(qint32 site) const { return list()->visualItemRect(row(site)).center(); }
    QPoint belowTheRows() const { return QPoint(10, list()->viewport()->height() - 3); }
    void click(qint32 site, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers, centreOf(site));
    }
    QStringList ids() const {
        QStringList texts;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            texts << list()->topLevelItem(i)->text(ColId);
        return texts;
    }
    int count(const char* sql) const { return m_dir->scalar(sql).toInt(); }

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    // Six sites ordered by address; sites 2 and 5 are bookmarked, site 6 never shows under the search "site".
    void init() {
        m_dir = std::make_unique<TestProgramDir>();
        m_dir->writeFile("kwz.ini", "[preferences]\nSitesOrder=1\n");
        for (int i = 1; i <= 5; ++i)
            SeedSite(QString("http://site%1.example/").arg(i), {{"bookmark", i == 2 || i == 5 ? 1 : 0}});
        SeedSite("http://zzz.example/", {{"bookmark", 1}});
        SeedStatus(1, SeedProduct("P"), 1);
        m_boxes = std::make_unique<MsgBoxSpy>();
        m_shell = std::make_unique<ShellSpy>();
        QVERIFY(Main(m_dir->path()));
        w()->resize(1000, 700);
        QVERIFY(QTest::qWaitForWindowExposed(w()));
    }

    void cleanup() {
        delete gMainWindow;
        gMainWindow = nullptr;
        m_shell.reset();
        m_boxes.reset();
        m_dir.reset();
    }

    void contextMenuGathersTheSiteCommands() {
        const QMenu* menu = w()->mnuLvwSites;
        QCOMPARE(entries(menu),
                 (QStringList{"Open PAD Site Submit URL", "Open PAD Site HomePage",
                              "Visit Site HomePage in External Browser", "-", "Bookmark", "-", "Select all",
                              "Select none", "Status", "-", "Web Site property...", "Add new site...", "Delete site"}));
        QCOMPARE(entries(menu->findChild<QMenu*>("miLvwSitesBookmark")),
                 (QStringList{"Toggle bookmark", "Go to Next Bookmark", "-", "Clear all bookmark"}));
        QCOMPARE(
            entries(menu->findChild<QMenu*>("miLvwSitesModifySiteStatus")),
            (QStringList{"Not Submitted", "Submitted", "Published", "-", "Set \"Old Version\" on selected elements",
                         "Set \"Old Version\" on ALL elements", "Set \"Actual Version\"", "-", "Show history"}));
        for (const QAction* action : menu->findChildren<QAction*>())
            QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
    }

    void releaseBelowTheRowsDeselectsAndRightButtonOpensTheMenu() {
        click(3);
        QVERIFY(SiteRow::SelectedItem(list()));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, belowTheRows());
        QVERIFY(!SiteRow::SelectedItem(list()));
        QVERIFY(!w()->mnuLvwSites->isVisible());

        click(3);
        QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, belowTheRows());
        QVERIFY(!SiteRow::SelectedItem(list()));
        QTRY_VERIFY(w()->mnuLvwSites->isVisible());
        w()->mnuLvwSites->close();

        QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, centreOf(4));
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
        QCOMPARE(SiteRow::SelectedItem(list()), row(2));
        w()->miLvwSitesGoToNextBookmark_Click(); // never itself
        QCOMPARE(SiteRow::SelectedItem(list()), row(5));
        QVERIFY(m_boxes->shown().isEmpty());

        QTest::keyClicks(w()->txtSearch, "site"); // hides the bookmarked zzz.example
        click(5);
        w()->miLvwSitesGoToNextBookmark_Click();
        QCOMPARE(m_boxes->texts(), QStringList{"End of the list"});
        QCOMPARE(m_boxes->shown()[0].icon, Msg::Icon::None);
        QVERIFY(!SiteRow::SelectedItem(list()));
        QVERIFY(list()->selectedItems().isEmpty());

        click(3);
        w()->miLvwSitesGoToNextBookmark_Click(); // site 5 found below
        QCOMPARE(SiteRow::SelectedItem(list()), row(5));
    }

    void clearingAllReachesHiddenSitesToo() {
        QTest::keyClicks(w()->txtSearch, "site");
        m_boxes->answer(Msg::Answer::No);
        w()->miLvwSitesClearAllBookmark_Click();
        QCOMPARE(count("SELECT COUNT(*) FROM tab_sites WHERE bookmark = 1"), 3);
        m_boxes->answer(Msg::Answer::Yes);
        w()->miLvwSitesClearAllBookmark_Click();
        QCOMPARE(count("SELECT COUNT(*) FROM tab_sites WHERE bookmark = 1"), 0);
        QCOMPARE(m_boxes->texts().last(), QString("Bookmarks cleared"));
        QCOMPARE(m_boxes->shown()[0].title, QString("Clear all bookmarks"));
        QCOMPARE(SiteRow::IconKey(row(2), ColId), QString());
    }

    void deleteKeyRemovesEverySelectedSiteAfterOneQuestion() {
        click(2);
        click(4, Qt::ControlModifier);
        m_boxes->answer(Msg::Answer::No);
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(count("SELECT COUNT(*) FROM tab_sites"), 6);
        QCOMPARE(m_boxes->shown().last().title, QString("Deleting"));
        QCOMPARE(m_boxes->shown().last().defaultButton, Msg::Answer::No);

        m_boxes->answer(Msg::Answer::Yes);
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(m_boxes->shown().size(), 2);
        QCOMPARE(ids(), (QStringList{"1", "3", "5", "6"}));
        QCOMPARE(count("SELECT COUNT(*) FROM tab_sites WHERE siteID IN (2, 4)"), 0);
    }

    void deleteWithoutSelectionAsksNothing() {
        click(3);
        list()->clearSelection(); // focused but not selected counts as nothing selected
        w()->findChild<QAction*>("miLvwSitesDelete")->trigger();
        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(count("SELECT COUNT(*) FROM tab_sites"), 6);
    }

    void deletedSitesKeepTheirStatusRows() {
        click(1);
        m_boxes->answer(Msg::Answer::Yes);
        w()->SiteDelete();
        QCOMPARE(count("SELECT COUNT(*) FROM tab_sites"), 5);
        QCOMPARE(count("SELECT COUNT(*) FROM tab_productStatus"), 1);
    }

    void selectAllTakesOnlyTheListedRows() {
        QTest::keyClicks(w()->txtSearch, "site");
        w()->findChild<QAction*>("miSiteSelectAll")->trigger();
        QCOMPARE(list()->selectedItems().size(), 5);
        QVERIFY(SiteRow::SelectedItem(list()));
        w()->findChild<QAction*>("miLvwSitesSelectNone")->trigger();
        QVERIFY(list()->selectedItems().isEmpty());
    }
};

QTEST_MAIN(tst_SiteListCommands)
#include "tst_SiteListCommands.moc"
