#include "EditorWidgets.h"
#include "LoopbackHttpServer.h"
#include "PadSamples.h"
#include "RunningProgram.h"
#include "TestMain.h"
#include "frmPadUpdate.h"
#include "frmProduct.h"
#include "frmSite.h"
#include "frmSiteCheck.h"
#include "frmSiteImport.h"

namespace {

enum { ColId, ColStatus = 2, ColOld, ColRank };

// "Zeta Notes" (product 1, version 1.0) with its bar's values, submitted on site 1 and published (old version) on
// site 2, statuses of 2012-01-01; "alpha tool" without any; sites 1 to 3 of rank 9, 10 and 2, site 3 bookmarked.
void seed(const TestProgramDir&) {
    const qint32 zeta = SeedProduct("Zeta Notes", {{"version", "1.0"},
                                                   {"padURL", "http://z.example/pad.xml"},
                                                   {"emailAuthor", "me@z.example"},
                                                   {"author", "Zed O'Neil"},
                                                   {"paymentRegNow", "R-1"},
                                                   {"releaseDate", "2012-03-05"}});
    SeedProduct("alpha tool", {{"releaseDate", "2012-03-05"}});
    SeedStatus(SeedSite("http://a.example/submit", {{"rank", 9}}), zeta, 1);
    SeedStatus(SeedSite("http://b.example/o'brien", {{"rank", 10}}), zeta, 2, true);
    SeedSite("http://c.example/", {{"rank", 2}, {"bookmark", 1}});
}

// Zeta's status row on the site: "status|flag|insertDate|updateDate"; empty when there is none.
QString statusRow(int site) {
    return TestProgramDir::scalar("SELECT submitStatus || '|' || oldVersion || '|' || insertDate || '|' || updateDate "
                                  "FROM tab_productStatus WHERE siteID = ? AND productID = 1",
                                  {site})
        .toString();
}

// Zeta's old-version flags as "site:flag", on the sites that have a status row.
QString flags() {
    return TestProgramDir::scalar("SELECT group_concat(siteID || ':' || oldVersion, ' ') FROM tab_productStatus")
        .toString();
}

} // namespace

// The main window's own logic and one check of each connection to its units.
class tst_MainWindow final : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> p;

    frmMain* w() const { return gMainWindow; }
    QStringList ids() const { return ColumnTexts(w()->lvwSites, ColId); }
    int count(const char* sql) const { return p->dir.scalar(sql).toInt(); }
    void chooseFilter(int index) {
        w()->cboFilterStatus->setCurrentIndex(index);
        emit w()->cboFilterStatus->activated(index);
    }

private slots:
    void init() {
        p = std::make_unique<RunningProgram>(seed);
        QVERIFY(p->started);
    }
    void cleanup() { p.reset(); }

    void startUpShowsTheHomePageProductsAndAllSites() {
        QVERIFY2(p->startUpTexts.isEmpty(), qPrintable(p->startUpTexts.join('|')));
        QCOMPARE(w()->cboProducts->itemText(1), QString("alpha tool")); // without regard to case
        QCOMPARE(ids(), (QStringList{"1", "2", "3"}));
        QCOMPARE(w()->StatusBar1Panel1->text(), QString("Quillomar PAD Submitter - Elements: 3"));
        QTRY_COMPARE(w()->webSite->url(), QUrl::fromLocalFile(p->dir.filePath("webStart.html")));
    }

    void choosingAProductFillsTheProductBarAndTheStatuses() {
        p->chooseProduct("Zeta Notes");
        QCOMPARE((QStringList{p->tag(0), p->tag(1), p->tag(2), p->tag(3)}),
                 (QStringList{"http://z.example/pad.xml", "me@z.example", "Zed O'Neil", "R-1"}));
        QVERIFY(w()->cmdMagic->isEnabled());
        QCOMPARE(SiteRow::IconKey(w()->lvwSites->topLevelItem(0), ColStatus), QString("submitted"));
        p->chooseProduct("Select one");
        QVERIFY(!w()->cmdMagic->isEnabled());
    }

    // The statuses of a deleted product stay in the archive.
    void productDeleteAsksFirst() {
        p->chooseProduct("Zeta Notes");
        p->trigger("Delete"); // No by default
        QCOMPARE(p->boxes.texts(), QStringList{"Are you sure you want to delete product 'Zeta Notes' ? "});
        p->boxes.answer(Msg::Answer::Yes);
        p->trigger("Delete");
        QCOMPARE(w()->cboProducts->count(), 2);
        QCOMPARE(count("SELECT COUNT(*) FROM tab_productStatus"), 2);
    }

    void filtersSearchAndHeaderRebuildTheList() {
        p->chooseProduct("Zeta Notes");
        chooseFilter(1); // Not submitted
        QCOMPARE(ids(), QStringList{"3"});
        chooseFilter(0);
        w()->chkOldVersionOnly->setChecked(true);
        QCOMPARE(ids(), QStringList{"2"});
        w()->chkOldVersionOnly->setChecked(false);
        QTest::keyClicks(w()->txtSearch, "o'b");
        QCOMPARE(ids(), QStringList{"2"});
        QTest::mouseClick(w()->cmdClearFilter, Qt::LeftButton);
        QCOMPARE(ids(), (QStringList{"1", "2", "3"}));
        // A header click sorts by the column's value: rank 9 before 10.
        ClickHeader(w()->lvwSites, ColRank);
        QCOMPARE(ids(), (QStringList{"3", "1", "2"}));
    }

    // The Delete key asks once, No by default, then deletes every selected site; their statuses stay.
    void deleteKeyDeletesTheSelectedSites() {
        p->click(1);
        p->click(3, Qt::ControlModifier);
        QTest::keyClick(w()->lvwSites, Qt::Key_Delete);
        QCOMPARE(ids().size(), 3);
        p->boxes.answer(Msg::Answer::Yes);
        QTest::keyClick(w()->lvwSites, Qt::Key_Delete);
        QCOMPARE(p->boxes.shown().size(), 2);
        QCOMPARE(ids(), QStringList{"2"});
        QCOMPARE(count("SELECT COUNT(*) FROM tab_sites") * 10 + count("SELECT COUNT(*) FROM tab_productStatus"), 12);
    }

    // "Check sites..." hands the window the sites as shown, or the selected ones when more than one is; a
    // double-click there selects the site here. Start-up made the table of the checks.
    void checkSitesTakesTheShownOrSelectedSites() {
        p->dir.sql("INSERT INTO tab_siteChecks (siteID, resultCode, checkDate) VALUES (2, 4, '2026-12-07 10:00:00')");
        QTest::keyClicks(w()->txtSearch, "c.example");
        p->trigger("miSiteCheck");
        auto* check = w()->findChild<frmSiteCheck*>();
        QCOMPARE(check->lblSites->text(), QString("1 sites to check"));
        QTreeWidgetItem* row = check->lvwChecks->topLevelItem(0);
        emit check->lvwChecks->itemDoubleClicked(row, 0);
        QCOMPARE(p->boxes.texts(), QStringList{"The site is not in the list as it is shown now."});
        QTest::mouseClick(w()->cmdClearFilter, Qt::LeftButton);
        p->click(1);
        p->click(3, Qt::ControlModifier);
        p->trigger("miSiteCheck");
        QCOMPARE(w()->findChildren<frmSiteCheck*>().size(), 1);
        QCOMPARE(check->lblSites->text(), QString("2 sites to check"));
        emit check->lvwChecks->itemDoubleClicked(row, 0);
        QCOMPARE(SiteRow::SelectedIds(w()->lvwSites), QList<qint64>{2});
        QCOMPARE(p->boxes.shown().size(), 1);
    }

    void bookmarksAreToggledFoundDownwardAndClearedEverywhere() {
        p->click(1);
        p->trigger("miLvwSitesToggleBookmark");
        QCOMPARE(SiteRow::IconKey(p->row(1), ColId), QString("bookmark"));
        p->trigger("miLvwSitesGoToNextBookmark");
        QCOMPARE(p->selectedSite(), 3);
        p->trigger("miLvwSitesGoToNextBookmark");
        QCOMPARE(p->boxes.texts(), QStringList{"End of the list"});
        QTest::keyClicks(w()->txtSearch, "a.example"); // hides site 3
        p->boxes.answer(Msg::Answer::Yes);
        p->trigger("miLvwSitesClearAllBookmark");
        QCOMPARE(count("SELECT COUNT(*) FROM tab_sites WHERE bookmark = 1"), 0);
    }

    void savedSiteIsSelectedAndScrolledTo() {
        p->dir.sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
                   "INSERT INTO tab_sites (submitUrl) SELECT printf('http://more%03d.example/', i) FROM n");
        w()->cboFilterStatus_Click();
        QTreeWidget* list = w()->lvwSites;
        SiteRow::SelectAndShow(list, p->row(303));
        list->scrollToTop();
        QVERIFY(p->drive<frmSite>("SiteProperty", [](frmSite* editor) {
            editor->txtSubmitUrl->setText("http://more999.example/");
            QTest::keyClick(editor->txtName, Qt::Key_Return);
        }));
        QCOMPARE(p->selectedSite(), 303);
        QVERIFY(list->visualItemRect(p->row(303)).intersects(list->viewport()->rect()));
    }

    // Of several selected rows only the focused one changes; a later change keeps the row's insert date and clears
    // its old-version mark. (The log rows: tst_ProductHistory.)
    void statusCommandsStoreTheFocusedSitesStatus() {
        FixedClock clock(QDateTime(QDate(2012, 9, 30), QTime(23, 59, 59)));
        p->chooseProduct("Zeta Notes");
        p->click(1);
        p->click(3, Qt::ControlModifier);
        p->trigger("SiteSubmitted");
        QCOMPARE(p->boxes.texts(), QStringList{"New status set is: Submitted for site URL: http://c.example/"});
        QCOMPARE(statusRow(3), QString("1|0|2012-09-30 23:59:59|2012-09-30 23:59:59"));
        QCOMPARE(SiteRow::IconKey(p->row(3), ColStatus), QString("submitted"));
        p->click(2);
        const std::pair<const char*, int> commands[] = {{"SiteNotSubmitted", 0},
                                                        {"miLvwSitesModifySitePublished", 2},
                                                        {"miLvwSitesModifySiteNotSubmitted", 0},
                                                        {"SitePublished", 2},
                                                        {"miLvwSitesModifySiteSubmitted", 1}};
        for (const auto& [command, status] : commands) {
            p->trigger(command);
            QCOMPARE(statusRow(2).left(1).toInt(), status);
        }
        QCOMPARE(statusRow(2), QString("1|0|2012-01-01 00:00:00|2012-09-30 23:59:59"));
    }

    // A change that cannot be stored whole stores nothing and announces nothing; the list keeps the old status.
    void failedChangeWritesNothing_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        const QString gone = "Error in ChangeSiteStatus: This %1 no longer exists in the archive";
        QTest::newRow("site deleted meanwhile") << "DELETE FROM tab_sites WHERE siteID = 1" << gone.arg("site");
        QTest::newRow("product deleted meanwhile")
            << "DELETE FROM tab_products WHERE productID = 1" << gone.arg("product");
        QTest::newRow("log refuses the row")
            << "CREATE TRIGGER refuse BEFORE INSERT ON tab_productHistory BEGIN SELECT RAISE(ABORT, 'log full'); END"
            << "Error in ChangeSiteStatus: log full";
    }
    void failedChangeWritesNothing() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        p->chooseProduct("Zeta Notes");
        const QString before = statusRow(1);
        p->click(1);
        p->dir.sql(fault);
        p->trigger("SitePublished");
        QCOMPARE(p->boxes.shown().size(), 1);
        QVERIFY2(p->boxes.texts()[0].startsWith(message), qPrintable(p->boxes.texts()[0]));
        QCOMPARE(statusRow(1), before);
        QCOMPARE(count("SELECT COUNT(*) FROM tab_productStatus") + count("SELECT COUNT(*) FROM tab_productHistory"), 2);
        QCOMPARE(SiteRow::IconKey(p->row(1), ColStatus), QString("submitted"));
    }

    // Marks change no status date and write no log row; sites without a status row get none. "On ALL elements"
    // takes the rows the filter lists.
    void oldVersionMarksTheSelectedSitesWithAStatus() {
        p->chooseProduct("Zeta Notes");
        p->click(2);
        p->boxes.answer(Msg::Answer::Yes);
        p->trigger("miLvwSitesModifySiteActualVersion");
        QCOMPARE(flags(), QString("1:0 2:0"));
        chooseFilter(2); // Submitted: site 1
        p->boxes.answer(Msg::Answer::Yes);
        p->trigger("miLvwSitesModifySiteOldVersionAll");
        QCOMPARE(flags(), QString("1:1 2:0"));
        chooseFilter(0);
        p->click(2);
        p->click(3, Qt::ControlModifier);
        p->boxes.answer(Msg::Answer::Yes);
        p->trigger("SiteOldVersion");
        QCOMPARE(p->boxes.texts().last(), QString("Status updated for 1 elements!"));
        QCOMPARE(p->row(2)->text(ColOld), QString("X"));
        QCOMPARE(count("SELECT COUNT(*) FROM tab_productStatus WHERE updateDate > '2012-01-01 00:00:00'"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM tab_productHistory"), 0);
    }

    // A new version typed is stored; only Yes marks the sites where Zeta is submitted or published and which do not
    // update from the PAD address themselves, and the list then shows just those.
    void newVersionMarksTheSitesShowingTheOldOne() {
        p->dir.sql("UPDATE tab_productStatus SET oldVersion = 0");
        p->dir.sql("UPDATE tab_sites SET autoUpdate = 1 WHERE siteID = 2");
        SeedStatus(3, 1, 0);
        SeedStatus(3, 2, 1);
        p->chooseProduct("Zeta Notes");
        p->boxes.type("1.1");
        p->boxes.answer(Msg::Answer::No);
        p->trigger("miProductNewVersion");
        p->boxes.type("1.2");
        p->boxes.answer(Msg::Answer::Yes);
        p->trigger("miProductNewVersion");
        const QString asked = "Version changed from %1 to %2. Mark the 1 sites where this product is submitted or "
                              "published, and which do not update from the PAD address themselves, as showing an old "
                              "version?";
        QCOMPARE(p->boxes.texts(), (QStringList{asked.arg("1.0", "1.1"), asked.arg("1.1", "1.2")}));
        QCOMPARE(p->dir.scalar("SELECT version FROM tab_products WHERE productID = 1").toString(), QString("1.2"));
        const QString rows = "SELECT group_concat(row, ' ') FROM (SELECT siteID || ':' || productID || ':' || "
                             "oldVersion AS row FROM tab_productStatus ORDER BY siteID, productID)";
        QCOMPARE(p->dir.scalar(rows).toString(), QString("1:1:1 2:1:0 3:1:0 3:2:0"));
        QVERIFY(w()->chkOldVersionOnly->isChecked());
        QCOMPARE(ids(), QStringList{"1"});

        // An update from the PAD file that stores a new version asks the same; the product stays chosen by its key.
        LoopbackHttpServer server;
        server.ok("/pad.xml", PadWithProgramInfo("<Program_Version>1.3</Program_Version>"));
        p->dir.sql("UPDATE tab_products SET padURL = ? WHERE productID = 1", {server.url("/pad.xml").toString()});
        p->boxes.clear();
        p->boxes.answer(Msg::Answer::Ok);
        p->boxes.answer(Msg::Answer::No);
        QVERIFY(p->drive<frmPadUpdate>("miProductUpdateFromPad", [](frmPadUpdate* update) {
            QTRY_VERIFY(update->cmdStore->isEnabled());
            QTest::mouseClick(update->cmdStore, Qt::LeftButton);
        }));
        QCOMPARE(p->boxes.texts(), (QStringList{"Stored from the PAD file: Name, Version.", asked.arg("1.2", "1.3")}));
        QCOMPARE(w()->cboProducts->currentText(), QString("Kept"));
    }

    // A product added before the chosen one must not take its place in the selector.
    void savedProductsKeepTheChosenProductByItsKey() {
        p->chooseProduct("alpha tool");
        QVERIFY(p->drive<frmProduct>("New", [](frmProduct* editor) {
            editor->txtName->setText("Aardvark");
            editor->dtpReleaseDate->SetValue(QDate(2012, 3, 5));
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        }));
        QCOMPARE(w()->cboProducts->currentText(), QString("alpha tool"));
    }

    // Yes at a bad line stops the import; the rows inserted so far show, and no total is announced.
    void importedSitesShowInTheListAlsoAfterAStop() {
        p->dir.writeFile("new sites.txt",
                         "New 1\thttp://new1.example/\r\nno separator\r\nNew 3\thttp://new3.example/\r\n");
        for (const Msg::Answer answer : {Msg::Answer::Yes, Msg::Answer::Ok, Msg::Answer::Yes})
            p->boxes.answer(answer);
        QVERIFY(p->drive<frmSiteImport>("miSiteImportFromFile", [&](frmSiteImport* import) {
            import->txtFileName->setText(p->dir.filePath("new sites.txt"));
            QTest::mouseClick(import->cmdImport, Qt::LeftButton);
            QCOMPARE(ids().size(), 4);
            import->reject();
        }));
        QCOMPARE(p->boxes.texts().last(), QString("An error occured. Stop importing?"));
    }
};

QUILL_TEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
