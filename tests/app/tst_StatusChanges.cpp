#include "ModalDriver.h"
#include "RunningProgram.h"
#include "TestMain.h"
#include "frmProductHistory.h"

namespace {

enum Column { ColId, ColUrl, ColStatus, ColOld };
enum Site { Alpha = 1, Beta, Gamma, Delta };

// Quill's status row on the site: "status|flag|insertDate|updateDate"; empty when there is none.
QString statusRow(int site) {
    return TestProgramDir::scalar("SELECT submitStatus || '|' || oldVersion || '|' || insertDate || '|' || updateDate "
                                  "FROM tab_productStatus WHERE siteID = ? AND productID = 1",
                                  {site})
        .toString();
}

// The old-version flag of each site, -1 where it has no status row.
QList<int> flags() {
    QList<int> result;
    for (const int site : {Alpha, Beta, Gamma, Delta})
        result << (statusRow(site).isEmpty() ? -1 : statusRow(site).section('|', 1, 1).toInt());
    return result;
}

int count(const char* table) {
    return TestProgramDir::scalar(QString("SELECT COUNT(*) FROM ") + table).toInt();
}

} // namespace

// The main window with four sites listed by submit address (alpha, beta, gamma, xdelta.other) and the products
// "Quill" (1, version 1.0) and "Another"; the database clock is fixed.
class tst_StatusChanges final : public QObject {
    Q_OBJECT

    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<RunningProgram> p;

    frmMain* w() const { return gMainWindow; }
    // Starts with Quill's statuses on the sites: site, status and old-version flag each.
    void start(const QList<QList<int>>& statuses = {}, bool chooseQuill = true) {
        p = std::make_unique<RunningProgram>([&](const TestProgramDir&) {
            for (const char* url :
                 {"http://alpha.example/", "http://beta.example/", "http://gamma.example/", "http://xdelta.other/"})
                SeedSite(url, {{"name", QString("Site %1").arg(url[7])}});
            SeedProduct("Quill", {{"version", "1.0"}});
            SeedProduct("Another");
            for (const QList<int>& s : statuses)
                SeedStatus(s[0], 1, s[1], s.value(2));
        });
        QVERIFY(p->started);
        if (chooseQuill)
            p->chooseProduct("Quill");
    }

private slots:
    void init() { m_clock = std::make_unique<FixedClock>(QDateTime(QDate(2012, 9, 30), QTime(23, 59, 59))); }
    void cleanup() {
        p.reset();
        m_clock.reset();
    }

    void eachCommandStoresItsStatusAndLogsIt() {
        start();
        // Of several selected rows only the focused one changes.
        p->click(Alpha);
        p->click(Beta, Qt::ControlModifier);
        p->trigger("SiteSubmitted");
        QCOMPARE(p->boxes.texts(), QStringList{"New status set is: Submitted for site URL: http://beta.example/"});
        QCOMPARE(statusRow(Beta), QString("1|0|2012-09-30 23:59:59|2012-09-30 23:59:59"));
        QCOMPARE(
            p->dir.scalar("SELECT version || '|' || submitStatus || '|' || opDate FROM tab_productHistory").toString(),
            QString("1.0|1|2012-09-30 23:59:59"));
        QCOMPARE(SiteRow::IconKey(p->row(Beta), ColStatus), QString("submitted"));

        // A later change keeps the row's insert date and clears its old-version mark.
        p->dir.sql("UPDATE tab_productStatus SET oldVersion = 1");
        m_clock->set(QDateTime(QDate(2012, 10, 1), QTime(0, 0)));
        p->trigger("SitePublished");
        QCOMPARE(statusRow(Beta), QString("2|0|2012-09-30 23:59:59|2012-10-01 00:00:00"));
        const std::pair<const char*, int> commands[] = {{"SiteNotSubmitted", 0},
                                                        {"miLvwSitesModifySiteSubmitted", 1},
                                                        {"miLvwSitesModifySitePublished", 2},
                                                        {"miLvwSitesModifySiteNotSubmitted", 0}};
        for (const auto& [command, status] : commands) {
            p->trigger(command);
            QCOMPARE(statusRow(Beta).left(1).toInt(), status);
        }
        QCOMPARE(count("tab_productStatus"), 1);
        QCOMPARE(count("tab_productHistory"), 6);
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
    }
    void failedChangeWritesNothing() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        start({{Beta, 1}});
        const QString before = statusRow(Beta);
        p->click(Beta);
        p->dir.sql(fault);
        p->trigger("SitePublished");
        QCOMPARE(p->boxes.shown().size(), 1);
        QVERIFY2(p->boxes.texts()[0].startsWith(message), qPrintable(p->boxes.texts()[0]));
        QCOMPARE(statusRow(Beta), before);
        QCOMPARE(count("tab_productStatus") + count("tab_productHistory"), 1);
        QCOMPARE(SiteRow::IconKey(p->row(Beta), ColStatus), QString("submitted"));
    }

    void changedSiteIsSelectedAgainWhereTheListStillShowsIt_data() {
        QTest::addColumn<int>("filterIndex");
        QTest::addColumn<bool>("oldOnly");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("selected");
        QTest::newRow("All to Published") << 0 << false << 2 << true;
        QTest::newRow("Submitted to Published") << 2 << false << 2 << false;
        QTest::newRow("NotSubmitted to NotSubmitted") << 1 << false << 0 << true;
        QTest::newRow("old only, All to Submitted") << 0 << true << 1 << false;
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
        QCOMPARE(statusRow(Gamma).left(1).toInt(), status);
        QCOMPARE(p->selectedSite(), selected ? int(Gamma) : 0);
    }

    void commandsNeedAProductAndOneSelectedSite() {
        start({}, false);
        p->click(Alpha);
        p->trigger("SiteSubmitted");
        p->trigger("SiteHistory");
        p->chooseProduct("Another");
        // A focused row that is not selected counts as no site.
        w()->lvwSites->setCurrentItem(p->row(Beta), 0, QItemSelectionModel::NoUpdate);
        p->trigger("SitePublished");
        p->trigger("SiteOldVersion");
        const QString missing = "You must select a %1 to %2 pad site status!";
        QCOMPARE(p->boxes.texts(), (QStringList{missing.arg("product", "change"), missing.arg("product", "show"),
                                                missing.arg("site", "change"), missing.arg("site", "change")}));
        QCOMPARE(count("tab_productStatus") + count("tab_productHistory"), 0);
    }

    // Marks change no status date and write no log row.
    void oldVersionMarksTheSelectedSitesWithAStatusAllOrNone() {
        start({{Alpha, 1}, {Beta, 1}, {Gamma, 2}});
        p->click(Alpha);
        p->click(Delta, Qt::ControlModifier);
        p->boxes.answer(Msg::Answer::No);
        p->trigger("SiteOldVersion");
        QCOMPARE(flags(), (QList<int>{0, 0, 0, -1}));
        p->boxes.answer(Msg::Answer::Yes);
        p->trigger("miLvwSitesModifySiteOldVersion");
        QCOMPARE(p->boxes.texts().last(), QString("Status updated for 1 elements!"));
        QCOMPARE(flags(), (QList<int>{1, 0, 0, -1}));
        QCOMPARE(p->row(Alpha)->text(ColOld), QString("X"));

        // "On ALL elements" takes the rows the filter lists: Alpha and Beta are submitted.
        w()->cboFilterStatus->setCurrentIndex(2);
        w()->cboFilterStatus_Click();
        p->boxes.answer(Msg::Answer::Yes);
        p->trigger("miLvwSitesModifySiteOldVersionAll");
        QCOMPARE(flags(), (QList<int>{1, 1, 0, -1}));
        p->click(Alpha);
        p->boxes.answer(Msg::Answer::Yes);
        p->trigger("miLvwSitesModifySiteActualVersion");
        QCOMPARE(flags(), (QList<int>{0, 1, 0, -1}));

        // One row that cannot change keeps the others from changing.
        p->dir.sql("CREATE TRIGGER refuse BEFORE UPDATE ON tab_productStatus WHEN NEW.siteID = 2 "
                   "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        p->boxes.answer(Msg::Answer::Yes);
        p->trigger("miLvwSitesModifySiteOldVersionAll");
        QVERIFY(p->boxes.texts().last().startsWith("Error in ChangeSiteOldVersion: refused"));
        QCOMPARE(flags(), (QList<int>{0, 1, 0, -1}));
        QCOMPARE(statusRow(Alpha).right(19), QString("2012-01-01 00:00:00"));
        QCOMPARE(count("tab_productHistory"), 0);
    }

    void historyOpensForTheChosenProductAndTheSelectedSite() {
        start({{Beta, 2}});
        p->click(Beta);
        ModalDriver driver([](QWidget* modal) {
            auto* history = qobject_cast<frmProductHistory*>(modal);
            QVERIFY(history);
            QCOMPARE(history->lblFolderName->text(), QString("Quill ver. 1.0 on site: Site b"));
        });
        p->trigger("miLvwSitesModifySiteShowStatus");
        QVERIFY(driver.ran());
    }
};

QUILL_TEST_MAIN(tst_StatusChanges)
#include "tst_StatusChanges.moc"
