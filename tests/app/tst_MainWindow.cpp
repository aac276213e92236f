#include "RunningProgram.h"
#include "TestMain.h"

namespace {

enum { ColId, ColStatus = 2, ColRank = 4 };

// "Zeta Notes" with its bar's values, submitted on site 1 and published (old version) on site 2; "alpha tool"
// without any; sites 1 to 3 of rank 9, 10 and 2, site 1 with log-in data.
void seed(const TestProgramDir&) {
    const qint32 zeta = SeedProduct("Zeta Notes", {{"padURL", "http://z.example/pad.xml"},
                                                   {"emailAuthor", "me@z.example"},
                                                   {"author", "Zed O'Neil"},
                                                   {"paymentRegNow", "R-1"}});
    SeedProduct("alpha tool");
    const qint32 a =
        SeedSite("http://a.example/submit", {{"rank", 9}, {"authReq", 1}, {"userID", "me"}, {"password", "pw"}});
    const qint32 b = SeedSite("http://b.example/o'brien", {{"rank", 10}});
    SeedSite("http://c.example/", {{"rank", 2}});
    SeedStatus(a, zeta, 1);
    SeedStatus(b, zeta, 2, true);
}

} // namespace

class tst_MainWindow final : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> p;

    frmMain* w() const { return gMainWindow; }

    QStringList ids() const { return ColumnTexts(w()->lvwSites, ColId); }
    void chooseFilter(int index) {
        w()->cboFilterStatus->setCurrentIndex(index);
        emit w()->cboFilterStatus->activated(index);
    }
    QString statusIcon(int row) const { return SiteRow::IconKey(w()->lvwSites->topLevelItem(row), ColStatus); }

public:
private slots:
    void init() {
        p = std::make_unique<RunningProgram>(seed);
        QVERIFY(p->started);
    }
    void cleanup() { p.reset(); }

    void startUpShowsHomePageProductsAndAllSites() {
        QVERIFY2(p->startUpTexts.isEmpty(), qPrintable(p->startUpTexts.join('|')));
        QCOMPARE(p->products(), (QStringList{"Select one", "alpha tool", "Zeta Notes"})); // without regard to case
        QCOMPARE(w()->cboProducts->currentIndex(), -1);
        QCOMPARE(ids(), (QStringList{"1", "2", "3"}));
        QCOMPARE(w()->StatusBar1Panel1->text(), QString("Quillomar PAD Submitter - Elements: 3"));
        QVERIFY(!w()->cmdMagic->isEnabled());
        QVERIFY(!p->action("Modify")->isEnabled());

        QTRY_COMPARE(w()->webSite->url(), QUrl::fromLocalFile(p->dir.filePath("webStart.html")));
    }

    void choosingAProductFillsTheProductBarAndTheStatuses() {
        p->chooseProduct("Zeta Notes");
        QCOMPARE((QStringList{p->tag(0), p->tag(1), p->tag(2), p->tag(3)}),
                 (QStringList{"http://z.example/pad.xml", "me@z.example", "Zed O'Neil", "R-1"}));
        QVERIFY(w()->cmdMagic->isEnabled() && p->action("Delete")->isEnabled());
        // No site selected: the log-in buttons carry nothing.
        QVERIFY(!w()->cmdPADurl[4]->isEnabled() && !w()->cmdPADurl[5]->isEnabled());
        QCOMPARE(statusIcon(0), QString("submitted"));

        // With a site selected they carry its log-in; null columns give empty tags.
        SiteRow::SelectAndShow(w()->lvwSites, w()->lvwSites->topLevelItem(0));
        p->chooseProduct("alpha tool");
        QCOMPARE(p->tag(4) + p->tag(5), QString("mepw"));
        QVERIFY(w()->cmdPADurl[4]->isEnabled());
        QCOMPARE(p->tag(0), QString());
        QCOMPARE(statusIcon(0), QString("notSubmitted"));

        p->chooseProduct("Select one");
        QCOMPARE(w()->cboPad->count(), 0);
        QVERIFY(!w()->cmdMagic->isEnabled() && !p->action("Modify")->isEnabled());
        QCOMPARE(w()->lvwSites->topLevelItem(0)->text(ColStatus), QString("?"));
    }

    void productCommandsNeedAChosenProduct() {
        p->trigger("miProductProperty");
        w()->ProductDeleteCommand();
        QCOMPARE(p->boxes.texts(), (QStringList{"Select in the combo box the program to modify",
                                                "Select in the combo box the program to delete"}));
    }

    void filtersSearchAndOrderRebuildTheList() {
        p->chooseProduct("Zeta Notes");
        chooseFilter(1); // Not submitted
        QCOMPARE(ids(), QStringList{"3"});
        chooseFilter(0);
        QTest::keyClicks(w()->txtSearch, "o'b");
        QCOMPARE(ids(), QStringList{"2"});
        QTest::mouseClick(w()->cmdClearFilter, Qt::LeftButton);
        QCOMPARE(w()->txtSearch->text(), QString());
        QCOMPARE(ids(), (QStringList{"1", "2", "3"}));

        gSitesOrder = 0;
        w()->cboFilterStatus_Click();
        QCOMPARE(ids(), (QStringList{"2", "1", "3"}));
        // A header click sorts by the column's value: rank 9 before 10.
        ClickHeader(w()->lvwSites, ColRank);
        QCOMPARE(ids(), (QStringList{"3", "1", "2"}));
    }

    void deleteAsksFirstAndKeepsTheStatuses() {
        p->chooseProduct("Zeta Notes");
        p->boxes.answer(Msg::Answer::No);
        p->trigger("Delete");
        QCOMPARE(p->boxes.texts().last(), QString("Are you sure you want to delete product 'Zeta Notes' ? "));
        QCOMPARE(p->boxes.shown().last().defaultButton, Msg::Answer::No);
        QCOMPARE(w()->cboProducts->currentText(), QString("Zeta Notes"));

        p->boxes.answer(Msg::Answer::Yes);
        p->trigger("Delete");
        QCOMPARE(p->dir.scalar("SELECT COUNT(*) FROM tab_products").toInt(), 1);
        QCOMPARE(p->dir.scalar("SELECT COUNT(*) FROM tab_productStatus").toInt(), 2);
        QCOMPARE(p->products(), (QStringList{"Select one", "alpha tool"}));
        QCOMPARE(w()->cboProducts->currentIndex(), -1);
        QVERIFY(!w()->cmdMagic->isEnabled());
    }

    void listPaneTogglesAndCannotBeDraggedShut() {
        w()->resize(1200, 700);
        w()->Toolbar1_ButtonClick("ShowHideListView");
        QVERIFY(!w()->picLeft->isVisible());
        w()->Toolbar1_ButtonClick("ShowHideListView");
        QVERIFY(w()->picLeft->isVisible());
        w()->vSplitter->setSizes({0, w()->vSplitter->width()});
        QVERIFY(w()->vSplitter->sizes().at(0) >= 67); // a drag cannot hide the list pane
    }
};

QUILL_TEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
