#include "ModalDriver.h"
#include "RunningProgram.h"
#include "TestMain.h"
#include "frmProductHistory.h"

namespace {

enum Column { ColStatus = 2, ColOld };
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

// Four sites listed by submit address and the products "Quill" (1, version 1.0) and "Another"; a fixed clock.
class tst_StatusChanges final : public QObject {
    Q_OBJECT

    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<RunningProgram> p;

    // Starts with Quill chosen and its statuses on the sites: site, status and old-version flag each.
    void start(const QList<QList<int>>& statuses = {}) {
        p = std::make_unique<RunningProgram>([&](const TestProgramDir&) {
            for (const char* url : {"http://a.example/", "http://b.example/", "http://c.example/", "http://d.other/"})
                SeedSite(url, {{"name", QString("Site %1").arg(url[7])}});
            SeedProduct("Quill", {{"version", "1.0"}});
            SeedProduct("Another");
            for (const QList<int>& s : statuses)
                SeedStatus(s[0], 1, s[1], s.value(2));
        });
        QVERIFY(p->started);
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
        QCOMPARE(p->boxes.texts(), QStringList{"New status set is: Submitted for site URL: http://b.example/"});
        QCOMPARE(statusRow(Beta), QString("1|0|2012-09-30 23:59:59|2012-09-30 23:59:59"));
        QCOMPARE(p->dir.scalar("SELECT version || '|' || submitStatus || '|' || opDate FROM tab_productHistory"),
                 QVariant("1.0|1|2012-09-30 23:59:59"));
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
        // The changed site is selected again only where the rebuilt list still shows it.
        QCOMPARE(p->selectedSite(), int(Beta));
        gMainWindow->cboFilterStatus->setCurrentIndex(1); // Not submitted
        gMainWindow->cboFilterStatus_Click();
        p->click(Beta);
        p->trigger("SitePublished");
        QCOMPARE(p->selectedSite(), 0);
        QCOMPARE(count("tab_productStatus") * 10 + count("tab_productHistory"), 17);
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

    void commandsNeedAProductAndOneSelectedSite() {
        start();
        p->chooseProduct("Select one");
        p->click(Alpha);
        p->trigger("SiteSubmitted");
        p->chooseProduct("Another");
        // A focused row that is not selected counts as no site.
        gMainWindow->lvwSites->setCurrentItem(p->row(Beta), 0, QItemSelectionModel::NoUpdate);
        p->trigger("SiteOldVersion");
        QCOMPARE(p->boxes.texts(), (QStringList{"You must select a product to change pad site status!",
                                                "You must select a site to change pad site status!"}));
        QCOMPARE(count("tab_productStatus") + count("tab_productHistory"), 0);
    }

    // Marks change no status date and write no log row; sites without a status row get none.
    void oldVersionMarksTheSelectedSitesWithAStatusAllOrNone() {
        start({{Alpha, 1}, {Beta, 1}, {Gamma, 2}});
        p->click(Alpha);
        p->click(Delta, Qt::ControlModifier);
        p->trigger("SiteOldVersion"); // No by default
        QCOMPARE(flags(), (QList<int>{0, 0, 0, -1}));
        p->boxes.answer(Msg::Answer::Yes);
        p->trigger("miLvwSitesModifySiteOldVersion");
        QCOMPARE(p->boxes.texts().last(), QString("Status updated for 1 elements!"));
        QCOMPARE(p->row(Alpha)->text(ColOld), QString("X"));
        // "On ALL elements" takes the rows the filter lists: Alpha and Beta are submitted.
        gMainWindow->cboFilterStatus->setCurrentIndex(2);
        gMainWindow->cboFilterStatus_Click();
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
        QCOMPARE(statusRow(Alpha).section('|', 3), QString("2012-01-01 00:00:00"));
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
