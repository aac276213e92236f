#include "DateText.h"
#include "HomePage.h"
#include "ModalDriver.h"
#include "SiteRow.h"
#include "Spies.h"
#include "TestProgramDir.h"
#include "frmMain.h"
#include "frmProductHistory.h"
#include "modMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace {

enum Column { ColId, ColUrl, ColStatus, ColOld, ColRank };
enum Site { Alpha = 1, Beta, Gamma, Delta };
constexpr int kQuill = 1;

QDateTime at(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
    return {QDate(year, month, day), QTime(hour, minute, second)};
}

// Four sites listed by submit address (alpha, beta, gamma, delta.other) and two products; "Quill" is product 1.
void seed(const TestProgramDir& dir) {
    dir.writeFile("kwz.ini", "[preferences]\nSitesOrder=1\nPopUpBlock=0\n");
    const QStringList urls{"http://alpha.example/", "http://beta.example/", "http://gamma.example/",
                           "http://xdelta.other/"};
    const QList<QVariant> ranks{9, 10, QVariant(), -2};
    for (int i = 0; i < urls.size(); ++i)
        dir.sql("INSERT INTO tab_sites (name, submitUrl, rank) VALUES (?, ?, ?)",
                {QString("Site %1").arg(i + 1), urls[i], ranks[i]});
    dir.sql("INSERT INTO tab_products (name, version) VALUES ('Quill', '1.0')");
    dir.sql("INSERT INTO tab_products (name, version) VALUES ('Another', '2.0')");
}

void seedStatus(const TestProgramDir& dir, int site, int status, bool old = false) {
    dir.sql("INSERT INTO tab_productStatus (siteID, productID, submitStatus, oldVersion, insertDate, updateDate) "
            "VALUES (?, ?, ?, ?, '2011-01-01 10:00:00', '2011-01-01 10:00:00')",
            {site, kQuill, status, old ? 1 : 0});
}

frmMain& main() {
    return *gMainWindow;
}

QTreeWidget* sites() {
    return gMainWindow->lvwSites;
}

void chooseProduct(const QString& name) {
    main().cboProducts->setCurrentIndex(main().cboProducts->findText(name));
    main().cboProducts_Click();
}

void chooseFilter(int index) {
    main().cboFilterStatus->setCurrentIndex(index);
    main().cboFilterStatus_Click();
}

QTreeWidgetItem* row(int site) {
    return SiteRow::FindByKey(sites(), SiteRow::KeyFor(site));
}

void clickSite(int site, Qt::KeyboardModifiers modifiers = {}) {
    QTreeWidgetItem* item = row(site);
    QVERIFY(item);
    QTest::mouseClick(sites()->viewport(), Qt::LeftButton, modifiers, sites()->visualItemRect(item).center());
}

void toolbar(const char* key) {
    auto* action = main().Toolbar1->findChild<QAction*>(QString::fromLatin1(key));
    QVERIFY(action);
    action->trigger();
}

QList<int> listedSites() {
    QList<int> result;
    for (int i = 0; i < sites()->topLevelItemCount(); ++i)
        result << SiteRow::IdOf(sites()->topLevelItem(i));
    return result;
}

int selectedSite() {
    return SiteRow::IdOf(SiteRow::SelectedItem(sites()));
}

QVariantList statusRow(int site) {
    DbConnection db;
    QSqlQuery q = db.query("SELECT submitStatus, oldVersion, insertDate, updateDate FROM tab_productStatus "
                           "WHERE siteID = ? AND productID = ?",
                           {site, kQuill});
    return q.next() ? QVariantList{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString(), q.value(3).toString()}
                    : QVariantList{};
}

int flag(int site) {
    const QVariantList status = statusRow(site);
    return status.isEmpty() ? -1 : status[1].toInt();
}

int count(const TestProgramDir& dir, const QString& table) {
    return dir.scalar("SELECT COUNT(*) FROM " + table).toInt();
}

void clickHeader(QTreeWidget* list, int section) {
    QHeaderView* header = list->header();
    QTest::mouseClick(
        header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, header->height() / 2));
}

} // namespace

class tst_StatusChanges final : public QObject {
    Q_OBJECT

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private:
    ShellSpy m_shell;

    void start(const TestProgramDir& dir) {
        QVERIFY(Main(dir.path()));
        chooseProduct("Quill");
    }

private slots:
    void cleanup() {
        delete gMainWindow;
        gMainWindow = nullptr;
    }

    void firstChangeInsertsLaterChangesUpdate() {
        TestProgramDir dir;
        seed(dir);
        MsgBoxSpy boxes;
        FixedClock clock(at(2012, 9, 30, 23, 59, 59));
        start(dir);
        clickSite(Beta);
        toolbar("SiteSubmitted");
        QCOMPARE(boxes.texts(), QStringList{"New status set is: Submitted for site URL: http://beta.example/"});
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Information);
        QCOMPARE(statusRow(Beta), (QVariantList{1, 0, "2012-09-30 23:59:59", "2012-09-30 23:59:59"}));
        QCOMPARE(dir.scalar("SELECT version || '|' || submitStatus || '|' || opDate || '|' || IFNULL(notes, 'null') "
                            "FROM tab_productHistory")
                     .toString(),
                 QString("1.0|1|2012-09-30 23:59:59|null"));
        QCOMPARE(selectedSite(), int(Beta));
        QCOMPARE(SiteRow::IconKey(row(Beta), ColStatus), QString("submitted"));

        dir.sql("UPDATE tab_productStatus SET oldVersion = 1");
        clock.set(at(2012, 10, 1, 0, 0, 0));
        boxes.clear();
        toolbar("SitePublished");
        QCOMPARE(boxes.texts(), QStringList{"New status set is: Published for site URL: http://beta.example/"});
        QCOMPARE(statusRow(Beta), (QVariantList{2, 0, "2012-09-30 23:59:59", "2012-10-01 00:00:00"}));
        QCOMPARE(row(Beta)->text(ColOld), QString());

        // The same status again stamps the row again and logs again.
        clock.set(at(2012, 10, 1, 0, 0, 5));
        toolbar("SitePublished");
        QCOMPARE(statusRow(Beta)[3].toString(), QString("2012-10-01 00:00:05"));
        clock.set(at(2012, 10, 2));
        main().miLvwSitesModifySiteNotSubmitted_Click();
        QCOMPARE(statusRow(Beta)[0].toInt(), 0);
        QCOMPARE(count(dir, "tab_productStatus"), 1);
        QCOMPARE(count(dir, "tab_productHistory"), 4);
        QCOMPARE(boxes.texts().last(), QString("New status set is: Not submitted for site URL: http://beta.example/"));
    }

    void rowsGoneFromTheDatabaseAreLoggedWithTheMissingText() {
        TestProgramDir dir;
        seed(dir);
        MsgBoxSpy boxes;
        start(dir);
        clickSite(Gamma);
        dir.sql("DELETE FROM tab_sites WHERE siteID = ?", {int(Gamma)});
        dir.sql("DELETE FROM tab_products WHERE productID = ?", {kQuill});
        toolbar("SitePublished");
        QCOMPARE(boxes.texts(), QStringList{"New status set is: Published for site URL: ?.??"});
        QCOMPARE(dir.scalar("SELECT version FROM tab_productHistory").toString(), QString("?.??"));
        QVERIFY(!listedSites().contains(Gamma));
        QCOMPARE(selectedSite(), 0);
    }

    void failuresStopTheStatusChangeOnlyBeforeTheStatusIsWritten() {
        TestProgramDir dir;
        seed(dir);
        MsgBoxSpy boxes;
        start(dir);
        dir.sql("DROP TABLE tab_productHistory");
        clickSite(Alpha);
        toolbar("SiteSubmitted");
        QCOMPARE(boxes.texts().size(), 2);
        QVERIFY(boxes.texts()[0].startsWith("Error in ProductHistorySet: no such table"));
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Critical);
        QCOMPARE(boxes.texts()[1], QString("New status set is: Submitted for site URL: http://alpha.example/"));
        QCOMPARE(statusRow(Alpha)[0].toInt(), 1);

        boxes.clear();
        dir.sql("DROP TABLE tab_productStatus");
        clickSite(Beta);
        toolbar("SitePublished");
        QCOMPARE(boxes.texts().size(), 1);
        QVERIFY(boxes.texts()[0].startsWith("Error in ChangeSiteStatus: no such table"));
    }

    void changedSiteIsSelectedAgainWhereTheListStillShowsIt_data() {
        QTest::addColumn<int>("filterIndex");
        QTest::addColumn<bool>("oldOnly");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("selected");
        QTest::newRow("All to Published") << 0 << false << 2 << true;
        QTest::newRow("Submitted to Published") << 2 << false << 2 << false;
        QTest::newRow("Submitted to Submitted") << 2 << false << 1 << true;
        QTest::newRow("NotSubmitted to Submitted") << 1 << false << 1 << false;
        QTest::newRow("NotSubmitted to NotSubmitted") << 1 << false << 0 << true;
        QTest::newRow("Published to Published") << 3 << false << 2 << true;
        QTest::newRow("old only, All to Submitted") << 0 << true << 1 << false;
        QTest::newRow("old only, Submitted to Submitted") << 2 << true << 1 << false;
    }
    void changedSiteIsSelectedAgainWhereTheListStillShowsIt() {
        QFETCH(int, filterIndex);
        QFETCH(bool, oldOnly);
        QFETCH(int, status);
        QFETCH(bool, selected);
        TestProgramDir dir;
        seed(dir);
        // Gamma is shown under the filter before the change.
        seedStatus(dir, Gamma, filterIndex == 0 ? 1 : filterIndex - 1, oldOnly);
        MsgBoxSpy boxes;
        start(dir);
        chooseFilter(filterIndex);
        main().chkOldVersionOnly->setChecked(oldOnly);
        QVERIFY(listedSites().contains(Gamma));
        clickSite(Gamma);
        main().ChangeSiteStatus(qint16(status));
        QCOMPARE(statusRow(Gamma)[0].toInt(), status);
        QCOMPARE(selectedSite(), selected ? int(Gamma) : 0);
        QCOMPARE(sites()->selectedItems().size(), selected ? 1 : 0);
        QCOMPARE(listedSites().contains(Gamma), selected);
    }

    void commandsNeedAProductAndOneSelectedSite() {
        TestProgramDir dir;
        seed(dir);
        MsgBoxSpy boxes;
        QVERIFY(Main(dir.path()));
        clickSite(Alpha);
        toolbar("SiteSubmitted");
        toolbar("SiteOldVersion");
        toolbar("SiteHistory");
        chooseProduct("Quill");
        toolbar("SiteSubmitted");
        main().miLvwSitesModifySiteActualVersion_Click();
        main().miLvwSitesModifySiteShowStatus_Click();
        // A focused row that is not selected counts as no site.
        sites()->setCurrentItem(row(Beta), 0, QItemSelectionModel::NoUpdate);
        QVERIFY(!row(Beta)->isSelected());
        toolbar("SitePublished");
        main().ChangeSiteOldVersion(true);
        QCOMPARE(boxes.texts(), (QStringList{"You must select a product to change pad site status!",
                                             "You must select a product to change pad site status!",
                                             "You must select a product to show pad site status!",
                                             "You must select a site to change pad site status!",
                                             "You must select a site to change pad site status!",
                                             "You must select a site to show pad site status!",
                                             "You must select a site to change pad site status!",
                                             "You must select a site to change pad site status!"}));
        for (const MsgBoxRecord& box : boxes.shown())
            QCOMPARE(box.icon, Msg::Icon::Exclamation);
        QCOMPARE(count(dir, "tab_productStatus"), 0);
        QCOMPARE(count(dir, "tab_productHistory"), 0);
    }

    void statusChangeActsOnTheFocusedSelectedRowOnly() {
        TestProgramDir dir;
        seed(dir);
        MsgBoxSpy boxes;
        start(dir);
        clickSite(Alpha);
        clickSite(Delta, Qt::ControlModifier);
        clickSite(Gamma, Qt::ControlModifier);
        QCOMPARE(sites()->selectedItems().size(), 3);
        main().miLvwSitesModifySiteSubmitted_Click();
        QCOMPARE(count(dir, "tab_productStatus"), 1);
        QCOMPARE(statusRow(Gamma)[0].toInt(), 1);
    }

    void oldVersionMarksEverySelectedSiteWithAStatus() {
        TestProgramDir dir;
        seed(dir);
        for (const int site : {Alpha, Beta, Gamma})
            seedStatus(dir, site, 1);
        MsgBoxSpy boxes;
        boxes.answer(Msg::Answer::Yes);
        start(dir);
        clickSite(Alpha);
        clickSite(Beta, Qt::ControlModifier);
        clickSite(Delta, Qt::ControlModifier);
        toolbar("SiteOldVersion");
        QCOMPARE(boxes.texts(), (QStringList{"Are you sure you want to update status version information? ",
                                             "Status updated for 2 elements!"}));
        QCOMPARE(boxes.shown()[0].title, QString("update status version information"));
        QCOMPARE(boxes.shown()[0].defaultButton, Msg::Answer::No);
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Question);
        QCOMPARE(boxes.shown()[1].icon, Msg::Icon::Information);
        QCOMPARE((QList<int>{flag(Alpha), flag(Beta), flag(Gamma), flag(Delta)}), (QList<int>{1, 1, 0, -1}));
        QCOMPARE(row(Alpha)->text(ColOld), QString("X"));
        QCOMPARE(row(Gamma)->text(ColOld), QString());
        QVERIFY(sites()->selectedItems().isEmpty());
        // No status stamp and no log row for a mark.
        QCOMPARE(statusRow(Alpha)[3].toString(), QString("2011-01-01 10:00:00"));
        QCOMPARE(count(dir, "tab_productHistory"), 0);

        boxes.clear();
        boxes.answer(Msg::Answer::No);
        clickSite(Alpha);
        main().miLvwSitesModifySiteActualVersion_Click();
        QCOMPARE(boxes.texts(), QStringList{"Are you sure you want to update status version information? "});
        QCOMPARE(flag(Alpha), 1);
        boxes.clear();
        boxes.answer(Msg::Answer::Yes);
        clickSite(Alpha);
        main().miLvwSitesModifySiteActualVersion_Click();
        QCOMPARE(boxes.texts().last(), QString("Status updated for 1 elements!"));
        QCOMPARE(flag(Alpha), 0);
        QCOMPARE(flag(Beta), 1);
    }

    void oldVersionWhereNoSiteHasAStatusUpdatesNothing() {
        TestProgramDir dir;
        seed(dir);
        MsgBoxSpy boxes;
        boxes.answer(Msg::Answer::Yes);
        start(dir);
        main().miLvwSitesModifySiteOldVersionAll_Click();
        QCOMPARE(boxes.texts().last(), QString("No status updated"));
        QCOMPARE(boxes.shown().last().icon, Msg::Icon::Exclamation);
        QCOMPARE(count(dir, "tab_productStatus"), 0);
    }

    void oldVersionOnAllElementsTakesOnlyTheListedRows() {
        TestProgramDir dir;
        seed(dir);
        for (const int site : {Alpha, Beta, Delta})
            seedStatus(dir, site, 1);
        seedStatus(dir, Gamma, 2);
        MsgBoxSpy boxes;
        boxes.answer(Msg::Answer::Yes);
        start(dir);
        chooseFilter(2);
        main().txtSearch->setText("example");
        QCOMPARE(listedSites(), (QList<int>{Alpha, Beta}));
        main().miLvwSitesModifySiteOldVersionAll_Click();
        QCOMPARE(boxes.texts().last(), QString("Status updated for 2 elements!"));
        QCOMPARE((QList<int>{flag(Alpha), flag(Beta), flag(Gamma), flag(Delta)}), (QList<int>{1, 1, 0, 0}));
    }

    void historyOpensForThePairAndItsDatesSortChronologically() {
        TestProgramDir dir;
        seed(dir);
        MsgBoxSpy boxes;
        FixedClock clock(at(2012, 1, 1));
        start(dir);
        // Written out of order, across a 9-to-10 month and a year boundary.
        const QList<QDateTime> moments{at(2012, 10, 1, 0, 0, 0), at(2012, 9, 30, 23, 59, 59), at(2013, 1, 1, 0, 0, 1),
                                       at(2012, 12, 31, 23, 59, 59)};
        for (const QDateTime& moment : moments) {
            clock.set(moment);
            clickSite(Beta);
            toolbar("SiteSubmitted");
        }
        QCOMPARE(count(dir, "tab_productHistory"), 4);
        QStringList oldestFirst;
        for (const QDateTime& moment : {moments[1], moments[0], moments[3], moments[2]})
            oldestFirst << DateTimeDisplayText(moment);

        clickSite(Beta);
        bool driven = false;
        DriveModal<frmProductHistory>(
            [&](frmProductHistory* history) {
                QCOMPARE(history->SelectedSite, int(Beta));
                QCOMPARE(history->SelectedProduct, kQuill);
                QCOMPARE(history->lblFolderName->text(), QString("Quill ver. 1.0 on site: Site 2"));
                QCOMPARE(history->lblActualStatus->text(), QString("Actual status: Submitted"));
                QTreeWidget* log = history->lvwHistory;
                QCOMPARE(log->topLevelItemCount(), 4);
                QCOMPARE(log->topLevelItem(0)->text(2), oldestFirst.last());
                clickHeader(log, 2);
                QStringList dates;
                for (int i = 0; i < log->topLevelItemCount(); ++i)
                    dates << log->topLevelItem(i)->text(2);
                QCOMPARE(dates, oldestFirst);
                QTest::keyClick(log, Qt::Key_Escape);
                QTRY_VERIFY(!history->isVisible());
            },
            &driven);
        toolbar("SiteHistory");
        QVERIFY(driven);
        QVERIFY(!QApplication::activeModalWidget());

        // The status row keeps the last stamp; the home page shows the latest stamp, not the greatest text.
        clock.set(at(2012, 9, 9));
        clickSite(Alpha);
        toolbar("SitePublished");
        QVERIFY(HomePageHtml(QString()).contains("Last operation date time: " + DateTimeDisplayText(moments[3])));
    }

    void homePageLastOperationCrossesMonthAndYear_data() {
        QTest::addColumn<QDateTime>("earlier");
        QTest::addColumn<QDateTime>("later");
        QTest::newRow("September to October") << at(2012, 9, 30, 23, 59, 59) << at(2012, 10, 1, 0, 0, 0);
        QTest::newRow("December to January") << at(2012, 12, 31, 23, 59, 59) << at(2013, 1, 1, 0, 0, 1);
        QTest::newRow("9 to 10 o'clock") << at(2012, 5, 5, 9, 59, 59) << at(2012, 5, 5, 10, 0, 0);
    }
    void homePageLastOperationCrossesMonthAndYear() {
        QFETCH(QDateTime, earlier);
        QFETCH(QDateTime, later);
        TestProgramDir dir;
        seed(dir);
        MsgBoxSpy boxes;
        FixedClock clock(later);
        start(dir);
        clickSite(Alpha);
        toolbar("SiteSubmitted");
        clock.set(earlier);
        clickSite(Beta);
        toolbar("SiteSubmitted");
        const QString page = HomePageHtml(QString());
        QVERIFY2(page.contains("Last operation date time: " + DateTimeDisplayText(later) + "</p>"), qPrintable(page));
    }

    void siteListHeaderClicksSortAndRebuildsFollow() {
        TestProgramDir dir;
        seed(dir);
        MsgBoxSpy boxes;
        start(dir);
        clickHeader(sites(), ColRank);
        QCOMPARE(listedSites(), (QList<int>{Gamma, Delta, Alpha, Beta}));
        clickHeader(sites(), ColUrl);
        QCOMPARE(listedSites(), (QList<int>{Delta, Gamma, Beta, Alpha}));
        clickHeader(sites(), ColRank);
        clickSite(Alpha);
        toolbar("SiteSubmitted");
        QCOMPARE(listedSites(), (QList<int>{Gamma, Delta, Alpha, Beta}));
        QCOMPARE(selectedSite(), int(Alpha));
        QCOMPARE(SiteRow::Tag(row(Alpha)), QString("http://alpha.example/"));
        QCOMPARE(row(Delta)->text(ColUrl), QString("xdelta.other/"));
    }
};

QTEST_MAIN(tst_StatusChanges)
#include "tst_StatusChanges.moc"
