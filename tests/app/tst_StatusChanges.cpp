#include "ModalDriver.h"
#include "RunningProgram.h"
#include "TestMain.h"
#include "frmProductHistory.h"

namespace {

enum Column { ColId, ColUrl, ColStatus, ColOld };
enum Site { Alpha = 1, Beta, Gamma, Delta };
constexpr int kQuill = 1;

QDateTime at(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
    return {QDate(year, month, day), QTime(hour, minute, second)};
}

// Quill's status row on the site: "status|flag|insertDate|updateDate"; empty when there is none.
QString statusRow(int site) {
    return TestProgramDir::scalar("SELECT submitStatus || '|' || oldVersion || '|' || insertDate || '|' || updateDate "
                                  "FROM tab_productStatus WHERE siteID = ? AND productID = ?",
                                  {site, kQuill})
        .toString();
}

// The old-version flag of each site, -1 where it has no status row.
QList<int> flags() {
    QList<int> result;
    for (const int site : {Alpha, Beta, Gamma, Delta})
        result << (statusRow(site).isEmpty() ? -1 : statusRow(site).section('|', 1, 1).toInt());
    return result;
}

} // namespace

// The main window with four sites listed by submit address (alpha, beta, gamma, xdelta.other) and the
// products "Quill" (1) and "Another" (2); the database clock is fixed.
class tst_StatusChanges final : public QObject {
    Q_OBJECT

public:
private:
    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<RunningProgram> p;

    frmMain* w() const { return gMainWindow; }

    MsgBoxSpy& boxes() { return p->boxes; }
    int count(const char* table) const { return p->dir.scalar(QString("SELECT COUNT(*) FROM ") + table).toInt(); }
    // Starts with Quill's statuses on the sites: site, status and old-version flag each.
    void start(const QList<QList<int>>& statuses = {}, bool chooseQuill = true) {
        p = std::make_unique<RunningProgram>([&](const TestProgramDir&) {
            int n = 0;
            for (const char* url :
                 {"http://alpha.example/", "http://beta.example/", "http://gamma.example/", "http://xdelta.other/"})
                SeedSite(url, {{"name", QString("Site %1").arg(++n)}});
            SeedProduct("Quill", {{"version", "1.0"}});
            SeedProduct("Another", {{"version", "2.0"}});
            for (const QList<int>& s : statuses)
                SeedStatus(s[0], kQuill, s[1], s.value(2));
        });
        QVERIFY(p->started);
        if (chooseQuill)
            p->chooseProduct("Quill");
    }

private slots:
    void init() { m_clock = std::make_unique<FixedClock>(at(2012, 1, 1)); }
    void cleanup() {
        p.reset();
        m_clock.reset();
    }

    void firstChangeInsertsLaterChangesUpdate() {
        m_clock->set(at(2012, 9, 30, 23, 59, 59));
        start();
        // Of several selected rows only the focused one changes.
        p->click(Alpha);
        p->click(Delta, Qt::ControlModifier);
        p->click(Beta, Qt::ControlModifier);
        p->trigger("SiteSubmitted");
        QCOMPARE(boxes().texts(), QStringList{"New status set is: Submitted for site URL: http://beta.example/"});
        QCOMPARE(statusRow(Beta), QString("1|0|2012-09-30 23:59:59|2012-09-30 23:59:59"));
        QCOMPARE(count("tab_productStatus"), 1);
        QCOMPARE(p->dir
                     .scalar("SELECT version || '|' || submitStatus || '|' || opDate || '|' || "
                             "IFNULL(notes, 'null') FROM tab_productHistory")
                     .toString(),
                 QString("1.0|1|2012-09-30 23:59:59|null"));
        QCOMPARE(p->selectedSite(), int(Beta));
        QCOMPARE(SiteRow::IconKey(p->row(Beta), ColStatus), QString("submitted"));

        p->dir.sql("UPDATE tab_productStatus SET oldVersion = 1");
        m_clock->set(at(2012, 10, 1, 0, 0, 0));
        p->trigger("SitePublished");
        QCOMPARE(statusRow(Beta), QString("2|0|2012-09-30 23:59:59|2012-10-01 00:00:00"));
        QCOMPARE(p->row(Beta)->text(ColOld), QString());
        // The same status again stamps the row again and logs again.
        m_clock->set(at(2012, 10, 1, 0, 0, 5));
        w()->miLvwSitesModifySitePublished_Click();
        QCOMPARE(statusRow(Beta), QString("2|0|2012-09-30 23:59:59|2012-10-01 00:00:05"));
        w()->miLvwSitesModifySiteNotSubmitted_Click();
        QVERIFY(statusRow(Beta).startsWith("0|"));
        QCOMPARE(count("tab_productStatus"), 1);
        QCOMPARE(count("tab_productHistory"), 4);
    }

    // A change that cannot be stored whole stores nothing and announces nothing; the list keeps the old status.
    void failedChangeWritesNothing_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        const QString gone = "Error in ChangeSiteStatus: This %1 no longer exists in the archive";
        QTest::newRow("site deleted meanwhile") << "DELETE FROM tab_sites WHERE siteID = 2" << gone.arg("site");
        QTest::newRow("product deleted meanwhile")
            << "DELETE FROM tab_products WHERE productID = 1" << gone.arg("product");
        QTest::newRow("log refuses the row")
            << "CREATE TRIGGER refuse BEFORE INSERT ON tab_productHistory BEGIN SELECT RAISE(ABORT, 'log full'); END"
            << "Error in ChangeSiteStatus: log full";
        QTest::newRow("status table gone") << "DROP TABLE tab_productStatus"
                                           << "Error in ChangeSiteStatus: no such table";
    }
    void failedChangeWritesNothing() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        start({{Beta, 1}});
        const auto stored = [this] {
            return p->dir
                .scalar("SELECT (SELECT group_concat(IDproductStatus || submitStatus || oldVersion || insertDate || "
                        "updateDate) FROM tab_productStatus) || '#' || (SELECT COUNT(*) FROM tab_productHistory)")
                .toString();
        };
        const QString before = stored();
        p->click(Beta);
        p->dir.sql(fault);
        p->trigger("SitePublished");
        QCOMPARE(boxes().shown().size(), 1);
        QVERIFY2(boxes().texts()[0].startsWith(message), qPrintable(boxes().texts()[0]));
        QCOMPARE(boxes().shown()[0].icon, Msg::Icon::Critical);
        if (!fault.startsWith("DROP"))
            QCOMPARE(stored(), before);
        QCOMPARE(SiteRow::IconKey(p->row(Beta), ColStatus), QString("submitted"));
    }

    void changedSiteIsSelectedAgainWhereTheListStillShowsIt_data() {
        QTest::addColumn<int>("filterIndex");
        QTest::addColumn<bool>("oldOnly");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("selected");
        QTest::newRow("All to Published") << 0 << false << 2 << true;
        QTest::newRow("Submitted to Published") << 2 << false << 2 << false;
        QTest::newRow("NotSubmitted to Submitted") << 1 << false << 1 << false;
        QTest::newRow("NotSubmitted to NotSubmitted") << 1 << false << 0 << true;
        QTest::newRow("old only, All to Submitted") << 0 << true << 1 << false;
        QTest::newRow("old only, Submitted to Submitted") << 2 << true << 1 << false;
    }
    void changedSiteIsSelectedAgainWhereTheListStillShowsIt() {
        QFETCH(int, filterIndex);
        QFETCH(bool, oldOnly);
        QFETCH(int, status);
        QFETCH(bool, selected);
        // Gamma is shown under the filter before the change.
        start({{Gamma, filterIndex == 0 ? 1 : filterIndex - 1, oldOnly ? 1 : 0}});
        w()->cboFilterStatus->setCurrentIndex(filterIndex);
        w()->cboFilterStatus_Click();
        w()->chkOldVersionOnly->setChecked(oldOnly);
        p->click(Gamma);
        w()->ChangeSiteStatus(qint16(status));
        QCOMPARE(statusRow(Gamma).section('|', 0, 0).toInt(), status);
        QCOMPARE(p->selectedSite(), selected ? int(Gamma) : 0);
        QCOMPARE(ColumnTexts(w()->lvwSites, ColId).contains("3"), selected);
    }

    void commandsNeedAProductAndOneSelectedSite() {
        start({}, false);
        p->click(Alpha);
        p->trigger("SiteSubmitted");
        p->trigger("SiteOldVersion");
        p->trigger("SiteHistory");
        p->chooseProduct("Another");
        p->trigger("SiteSubmitted");
        w()->miLvwSitesModifySiteActualVersion_Click();
        w()->miLvwSitesModifySiteShowStatus_Click();
        // A focused row that is not selected counts as no site.
        w()->lvwSites->setCurrentItem(p->row(Beta), 0, QItemSelectionModel::NoUpdate);
        QVERIFY(!p->row(Beta)->isSelected());
        p->trigger("SitePublished");
        w()->ChangeSiteOldVersion(true);
        const QString product = "You must select a product to %1 pad site status!";
        const QString site = "You must select a site to %1 pad site status!";
        QCOMPARE(boxes().texts(),
                 (QStringList{product.arg("change"), product.arg("change"), product.arg("show"), site.arg("change"),
                              site.arg("change"), site.arg("show"), site.arg("change"), site.arg("change")}));
        QCOMPARE(count("tab_productStatus") + count("tab_productHistory"), 0);
    }

    void oldVersionMarksEverySelectedSiteWithAStatus() {
        start({{Alpha, 1}, {Beta, 1}, {Gamma, 1}});
        boxes().answer(Msg::Answer::Yes);
        p->click(Alpha);
        p->click(Beta, Qt::ControlModifier);
        p->click(Delta, Qt::ControlModifier);
        p->trigger("SiteOldVersion");
        QCOMPARE(boxes().texts(), (QStringList{"Are you sure you want to update status version information? ",
                                               "Status updated for 2 elements!"}));
        QCOMPARE(boxes().shown()[0].defaultButton, Msg::Answer::No);
        QCOMPARE(flags(), (QList<int>{1, 1, 0, -1}));
        QCOMPARE(p->row(Alpha)->text(ColOld), QString("X"));
        QVERIFY(w()->lvwSites->selectedItems().isEmpty());
        // A mark neither stamps the status nor logs.
        QVERIFY(statusRow(Alpha).endsWith("|2012-01-01 00:00:00"));
        QCOMPARE(count("tab_productHistory"), 0);

        boxes().clear();
        boxes().answer(Msg::Answer::No);
        p->click(Alpha);
        w()->miLvwSitesModifySiteActualVersion_Click();
        QCOMPARE(flags(), (QList<int>{1, 1, 0, -1}));
        boxes().answer(Msg::Answer::Yes);
        w()->miLvwSitesModifySiteActualVersion_Click();
        QCOMPARE(boxes().texts().last(), QString("Status updated for 1 elements!"));
        QCOMPARE(flags(), (QList<int>{0, 1, 0, -1}));
        // A site without a status row for the product gets none.
        boxes().answer(Msg::Answer::Yes);
        p->click(Delta);
        w()->miLvwSitesModifySiteOldVersion_Click();
        QCOMPARE(boxes().texts().last(), QString("No status updated"));
        QCOMPARE(flags(), (QList<int>{0, 1, 0, -1}));
        // One row that cannot change keeps the others from changing.
        p->dir.sql("CREATE TRIGGER refuse BEFORE UPDATE ON tab_productStatus WHEN NEW.siteID = 2 "
                   "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        boxes().answer(Msg::Answer::Yes);
        w()->SelectAllSites();
        w()->miLvwSitesModifySiteOldVersion_Click();
        QVERIFY(boxes().texts().last().startsWith("Error in ChangeSiteOldVersion: refused"));
        QCOMPARE(flags(), (QList<int>{0, 1, 0, -1}));
    }

    void oldVersionOnAllElementsTakesOnlyTheListedRows() {
        start({{Alpha, 1}, {Beta, 1}, {Gamma, 2}, {Delta, 1}});
        boxes().answer(Msg::Answer::Yes);
        w()->cboFilterStatus->setCurrentIndex(2);
        w()->cboFilterStatus_Click();
        w()->txtSearch->setText("example");
        QCOMPARE(ColumnTexts(w()->lvwSites, ColId), (QStringList{"1", "2"}));
        w()->miLvwSitesModifySiteOldVersionAll_Click();
        QCOMPARE(boxes().texts().last(), QString("Status updated for 2 elements!"));
        QCOMPARE(flags(), (QList<int>{1, 1, 0, 0}));
    }

    void historyOpensForTheChosenProductAndTheSelectedSite() {
        start({{Beta, 2}});
        p->click(Beta);
        ModalDriver driver([](QWidget* modal) {
            auto* history = qobject_cast<frmProductHistory*>(modal);
            QVERIFY(history);
            QCOMPARE(history->lblFolderName->text(), QString("Quill ver. 1.0 on site: Site 2"));
        });
        p->trigger("SiteHistory");
        QVERIFY(driver.ran());
    }
};

QUILL_TEST_MAIN(tst_StatusChanges)
#include "tst_StatusChanges.moc"
