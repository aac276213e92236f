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
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include <memory>

namespace {

enum Column { ColId, ColUrl, ColStatus, ColOld, ColRank };
enum Site { Alpha = 1, Beta, Gamma, Delta };
constexpr int kQuill = 1;

QDateTime at(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
    return {QDate(year, month, day), QTime(hour, minute, second)};
}

frmMain& window() {
    return *gMainWindow;
}

QTreeWidget* sites() {
    return gMainWindow->lvwSites;
}

QTreeWidgetItem* row(int site) {
    return SiteRow::FindByKey(sites(), SiteRow::KeyFor(site));
}

void clickSite(int site, Qt::KeyboardModifiers modifiers = {}) {
    QVERIFY(row(site));
    QTest::mouseClick(sites()->viewport(), Qt::LeftButton, modifiers, sites()->visualItemRect(row(site)).center());
}

void clickHeader(QTreeWidget* list, int section) {
    QHeaderView* header = list->header();
    const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

void toolbar(const char* key) {
    auto* action = window().Toolbar1->findChild<QAction*>(QString::fromLatin1(key));
    QVERIFY(action);
    action->trigger();
}

void chooseFilter(int index) {
    window().cboFilterStatus->setCurrentIndex(index);
    window().cboFilterStatus_Click();
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

// The product's status row on the site: status, flag, insertDate, updateDate; empty when there is none.
QVariantList statusRow(int site) {
    DbConnection db;
    QSqlQuery q = db.query("SELECT submitStatus, oldVersion, insertDate, updateDate FROM tab_productStatus "
                           "WHERE siteID = ? AND productID = ?",
                           {site, kQuill});
    return q.next() ? QVariantList{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString(), q.value(3).toString()}
                    : QVariantList{};
}

QList<int> flags() {
    QList<int> result;
    for (const int site : {Alpha, Beta, Gamma, Delta})
        result << statusRow(site).value(1, -1).toInt();
    return result;
}

} // namespace

// The main window with four sites listed by submit address (alpha, beta, gamma, xdelta.other) and the
// products "Quill" (1) and "Another" (2); messages are answered and the database clock is fixed.
class tst_StatusChanges final : public QObject {
    Q_OBJECT

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private:
    ShellSpy m_shell;
    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<MsgBoxSpy> m_boxes;
    std::unique_ptr<FixedClock> m_clock;

    const TestProgramDir& dir() const { return *m_dir; }
    MsgBoxSpy& boxes() { return *m_boxes; }
    int count(const char* table) const { return dir().scalar(QString("SELECT COUNT(*) FROM ") + table).toInt(); }
    void seedStatus(int site, int status, bool old = false) const {
        dir().sql("INSERT INTO tab_productStatus (siteID, productID, submitStatus, oldVersion, insertDate, updateDate) "
                  "VALUES (?, ?, ?, ?, '2011-01-01 10:00:00', '2011-01-01 10:00:00')",
                  {site, kQuill, status, old ? 1 : 0});
    }
    void start(bool chooseQuill = true) {
        QVERIFY(Main(dir().path()));
        if (chooseQuill) {
            window().cboProducts->setCurrentIndex(window().cboProducts->findText("Quill"));
            window().cboProducts_Click();
        }
    }

private slots:
    void init() {
        m_dir = std::make_unique<TestProgramDir>();
        dir().writeFile("kwz.ini", "[preferences]\nSitesOrder=1\nPopUpBlock=0\n");
        const QStringList urls{"http://alpha.example/", "http://beta.example/", "http://gamma.example/",
                               "http://xdelta.other/"};
        const QVariantList ranks{9, 10, QVariant(), -2};
        for (int i = 0; i < urls.size(); ++i)
            dir().sql("INSERT INTO tab_sites (name, submitUrl, rank) VALUES (?, ?, ?)",
                      {QString("Site %1").arg(i + 1), urls[i], ranks[i]});
        dir().sql("INSERT INTO tab_products (name, version) VALUES ('Quill', '1.0'), ('Another', '2.0')");
        m_boxes = std::make_unique<MsgBoxSpy>();
        m_clock = std::make_unique<FixedClock>(at(2012, 1, 1));
    }

    void cleanup() {
        delete gMainWindow;
        gMainWindow = nullptr;
        m_clock.reset();
        m_boxes.reset();
        m_dir.reset();
    }

    void firstChangeInsertsLaterChangesUpdate() {
        m_clock->set(at(2012, 9, 30, 23, 59, 59));
        start();
        // Of several selected rows only the focused one changes.
        clickSite(Alpha);
        clickSite(Delta, Qt::ControlModifier);
        clickSite(Beta, Qt::ControlModifier);
        toolbar("SiteSubmitted");
        QCOMPARE(boxes().texts(), QStringList{"New status set is: Submitted for site URL: http://beta.example/"});
        QCOMPARE(boxes().shown()[0].icon, Msg::Icon::Information);
        QCOMPARE(statusRow(Beta), (QVariantList{1, 0, "2012-09-30 23:59:59", "2012-09-30 23:59:59"}));
        QCOMPARE(count("tab_productStatus"), 1);
        QCOMPARE(dir()
                     .scalar("SELECT version || '|' || submitStatus || '|' || opDate || '|' || "
                             "IFNULL(notes, 'null') FROM tab_productHistory")
                     .toString(),
                 QString("1.0|1|2012-09-30 23:59:59|null"));
        QCOMPARE(selectedSite(), int(Beta));
        QCOMPARE(SiteRow::IconKey(row(Beta), ColStatus), QString("submitted"));

        dir().sql("UPDATE tab_productStatus SET oldVersion = 1");
        m_clock->set(at(2012, 10, 1, 0, 0, 0));
        toolbar("SitePublished");
        QCOMPARE(boxes().texts().last(), QString("New status set is: Published for site URL: http://beta.example/"));
        QCOMPARE(statusRow(Beta), (QVariantList{2, 0, "2012-09-30 23:59:59", "2012-10-01 00:00:00"}));
        QCOMPARE(row(Beta)->text(ColOld), QString());
        // The same status again stamps the row again and logs again.
        m_clock->set(at(2012, 10, 1, 0, 0, 5));
        window().miLvwSitesModifySitePublished_Click();
        QCOMPARE(statusRow(Beta)[3].toString(), QString("2012-10-01 00:00:05"));
        window().miLvwSitesModifySiteNotSubmitted_Click();
        QCOMPARE(boxes().texts().last(),
                 QString("New status set is: Not submitted for site URL: http://beta.example/"));
        QCOMPARE(statusRow(Beta)[0].toInt(), 0);
        QCOMPARE(count("tab_productStatus"), 1);
        QCOMPARE(count("tab_productHistory"), 4);
    }

    void rowsGoneFromTheDatabaseAreLoggedWithTheMissingText() {
        start();
        clickSite(Gamma);
        dir().sql("DELETE FROM tab_sites WHERE siteID = 3");
        dir().sql("DELETE FROM tab_products WHERE productID = 1");
        toolbar("SitePublished");
        QCOMPARE(boxes().texts(), QStringList{"New status set is: Published for site URL: ?.??"});
        QCOMPARE(dir().scalar("SELECT version FROM tab_productHistory").toString(), QString("?.??"));
        QVERIFY(!listedSites().contains(Gamma));
        QCOMPARE(selectedSite(), 0);
    }

    void failuresStopTheStatusChangeOnlyBeforeTheStatusIsWritten() {
        start();
        dir().sql("DROP TABLE tab_productHistory");
        clickSite(Alpha);
        toolbar("SiteSubmitted");
        QCOMPARE(boxes().texts().size(), 2);
        QVERIFY(boxes().texts()[0].startsWith("Error in ProductHistorySet: no such table"));
        QCOMPARE(boxes().shown()[0].icon, Msg::Icon::Critical);
        QCOMPARE(boxes().texts()[1], QString("New status set is: Submitted for site URL: http://alpha.example/"));
        QCOMPARE(statusRow(Alpha)[0].toInt(), 1);

        dir().sql("DROP TABLE tab_productStatus");
        clickSite(Beta);
        toolbar("SitePublished");
        QCOMPARE(boxes().texts().size(), 3);
        QVERIFY(boxes().texts()[2].startsWith("Error in ChangeSiteStatus: no such table"));
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
        // Gamma is shown under the filter before the change.
        seedStatus(Gamma, filterIndex == 0 ? 1 : filterIndex - 1, oldOnly);
        start();
        chooseFilter(filterIndex);
        window().chkOldVersionOnly->setChecked(oldOnly);
        clickSite(Gamma);
        window().ChangeSiteStatus(qint16(status));
        QCOMPARE(statusRow(Gamma)[0].toInt(), status);
        QCOMPARE(selectedSite(), selected ? int(Gamma) : 0);
        QCOMPARE(sites()->selectedItems().size(), selected ? 1 : 0);
        QCOMPARE(listedSites().contains(Gamma), selected);
    }

    void commandsNeedAProductAndOneSelectedSite() {
        start(false);
        clickSite(Alpha);
        toolbar("SiteSubmitted");
        toolbar("SiteOldVersion");
        toolbar("SiteHistory");
        window().cboProducts->setCurrentIndex(1);
        window().cboProducts_Click();
        toolbar("SiteSubmitted");
        window().miLvwSitesModifySiteActualVersion_Click();
        window().miLvwSitesModifySiteShowStatus_Click();
        // A focused row that is not selected counts as no site.
        sites()->setCurrentItem(row(Beta), 0, QItemSelectionModel::NoUpdate);
        QVERIFY(!row(Beta)->isSelected());
        toolbar("SitePublished");
        window().ChangeSiteOldVersion(true);
        const QString product = "You must select a product to %1 pad site status!";
        const QString site = "You must select a site to %1 pad site status!";
        QCOMPARE(boxes().texts(),
                 (QStringList{product.arg("change"), product.arg("change"), product.arg("show"), site.arg("change"),
                              site.arg("change"), site.arg("show"), site.arg("change"), site.arg("change")}));
        for (const MsgBoxRecord& box : boxes().shown())
            QCOMPARE(box.icon, Msg::Icon::Exclamation);
        QCOMPARE(count("tab_productStatus") + count("tab_productHistory"), 0);
    }

    void oldVersionMarksEverySelectedSiteWithAStatus() {
        for (const int site : {Alpha, Beta, Gamma})
            seedStatus(site, 1);
        boxes().answer(Msg::Answer::Yes);
        start();
        clickSite(Alpha);
        clickSite(Beta, Qt::ControlModifier);
        clickSite(Delta, Qt::ControlModifier);
        toolbar("SiteOldVersion");
        QCOMPARE(boxes().texts(), (QStringList{"Are you sure you want to update status version information? ",
                                               "Status updated for 2 elements!"}));
        const MsgBoxRecord& question = boxes().shown()[0];
        QCOMPARE(question.title, QString("update status version information"));
        QCOMPARE(question.defaultButton, Msg::Answer::No);
        QCOMPARE(question.icon, Msg::Icon::Question);
        QCOMPARE(boxes().shown()[1].icon, Msg::Icon::Information);
        QCOMPARE(flags(), (QList<int>{1, 1, 0, -1}));
        QCOMPARE(row(Alpha)->text(ColOld), QString("X"));
        QVERIFY(sites()->selectedItems().isEmpty());
        // A mark neither stamps the status nor logs.
        QCOMPARE(statusRow(Alpha)[3].toString(), QString("2011-01-01 10:00:00"));
        QCOMPARE(count("tab_productHistory"), 0);

        boxes().clear();
        boxes().answer(Msg::Answer::No);
        clickSite(Alpha);
        window().miLvwSitesModifySiteActualVersion_Click();
        QCOMPARE(boxes().texts(), QStringList{"Are you sure you want to update status version information? "});
        boxes().answer(Msg::Answer::Yes);
        clickSite(Alpha);
        window().miLvwSitesModifySiteActualVersion_Click();
        QCOMPARE(boxes().texts().last(), QString("Status updated for 1 elements!"));
        QCOMPARE(flags(), (QList<int>{0, 1, 0, -1}));
        // A site without a status row for the product gets none.
        boxes().answer(Msg::Answer::Yes);
        clickSite(Delta);
        window().miLvwSitesModifySiteOldVersion_Click();
        QCOMPARE(boxes().texts().last(), QString("No status updated"));
        QCOMPARE(boxes().shown().last().icon, Msg::Icon::Exclamation);
        QCOMPARE(flags(), (QList<int>{0, 1, 0, -1}));
    }

    void oldVersionOnAllElementsTakesOnlyTheListedRows() {
        for (const int site : {Alpha, Beta, Delta})
            seedStatus(site, 1);
        seedStatus(Gamma, 2);
        boxes().answer(Msg::Answer::Yes);
        start();
        chooseFilter(2);
        window().txtSearch->setText("example");
        QCOMPARE(listedSites(), (QList<int>{Alpha, Beta}));
        window().miLvwSitesModifySiteOldVersionAll_Click();
        QCOMPARE(boxes().texts().last(), QString("Status updated for 2 elements!"));
        QCOMPARE(flags(), (QList<int>{1, 1, 0, 0}));
    }

    void historyOpensForThePairAndItsDatesSortChronologically() {
        start();
        // Written out of order, across a 9-to-10 month and a year boundary.
        const QList<QDateTime> moments{at(2012, 10, 1, 0, 0, 0), at(2012, 9, 30, 23, 59, 59), at(2013, 1, 1, 0, 0, 1),
                                       at(2012, 12, 31, 23, 59, 59)};
        for (const QDateTime& moment : moments) {
            m_clock->set(moment);
            clickSite(Beta);
            toolbar("SiteSubmitted");
        }
        QStringList oldestFirst;
        for (const int i : {1, 0, 3, 2})
            oldestFirst << DateTimeDisplayText(moments[i]);

        clickSite(Beta);
        ModalDriver driver([&](QWidget* modal) {
            auto* history = qobject_cast<frmProductHistory*>(modal);
            QVERIFY(history);
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
        });
        toolbar("SiteHistory");
        QVERIFY(driver.ran());
        QVERIFY(!QApplication::activeModalWidget());
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
        start();
        m_clock->set(later);
        clickSite(Alpha);
        toolbar("SiteSubmitted");
        m_clock->set(earlier);
        clickSite(Beta);
        toolbar("SiteSubmitted");
        const QString page = HomePageHtml(QString());
        QVERIFY2(page.contains("Last operation date time: " + DateTimeDisplayText(later) + "</p>"), qPrintable(page));
    }

    void siteListHeaderClicksSortAndRebuildsFollow() {
        start();
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
