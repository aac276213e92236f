#include "Seed.h"
#include "Shell.h"
#include "SiteRow.h"
#include "Spies.h"
#include "TestProgramDir.h"
#include "WebBrowser.h"
#include "frmMain.h"
#include "modMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace {

enum { ColId, ColUrl, ColStatus, ColOld };

QStringList ids(QTreeWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(ColId);
    return texts;
}

QAction* productAction(frmMain* w, const char* key) {
    return w->tbProduct->findChild<QAction*>(QString::fromLatin1(key));
}

} // namespace

class tst_MainWindow final : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<MsgBoxSpy> m_boxes;
    std::unique_ptr<ShellSpy> m_shell;
    qint32 m_zeta = 0;
    qint32 m_alpha = 0;

    frmMain* w() const { return gMainWindow; }

    void chooseProduct(const QString& name) {
        const int index = w()->cboProducts->findText(name);
        QVERIFY(index >= 0);
        w()->cboProducts->setCurrentIndex(index);
        emit w()->cboProducts->activated(index);
    }
    void chooseFilter(int index) {
        w()->cboFilterStatus->setCurrentIndex(index);
        emit w()->cboFilterStatus->activated(index);
    }

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void init() {
        m_dir = std::make_unique<TestProgramDir>();
        m_dir->writeFile("kwz.ini", "[preferences]\nSitesOrder=1\n");
        m_zeta = SeedProduct("Zeta Notes", {{"padURL", "http://z.example/pad.xml"},
                                            {"emailAuthor", "me@z.example"},
                                            {"author", "Zed O'Neil"},
                                            {"paymentRegNow", "R-1"}});
        m_alpha = SeedProduct("alpha tool");
        const qint32 a =
            SeedSite("http://a.example/submit", {{"rank", 9}, {"authReq", 1}, {"userID", "me"}, {"password", "pw"}});
        const qint32 b = SeedSite("http://b.example/o'brien", {{"rank", 10}});
        SeedSite("http://c.example/", {{"rank", 2}});
        SeedStatus(a, m_zeta, 1);
        SeedStatus(b, m_zeta, 2, true);
        m_boxes = std::make_unique<MsgBoxSpy>();
        m_shell = std::make_unique<ShellSpy>();
        QVERIFY(Main(m_dir->path()));
    }

    void cleanup() {
        delete gMainWindow;
        gMainWindow = nullptr;
        m_shell.reset();
        m_boxes.reset();
        m_dir.reset();
    }

    void startUpShowsHomePageProductsAndAllSites() {
        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(w()->cboProducts->count(), 3);
        QCOMPARE(w()->cboProducts->itemText(0), QString("Select one"));
        QCOMPARE(w()->cboProducts->itemText(1), QString("alpha tool")); // by name, without regard to case
        QCOMPARE(w()->cboProducts->currentIndex(), -1);
        QCOMPARE(ids(w()->lvwSites), (QStringList{"1", "2", "3"}));
        QCOMPARE(w()->StatusBar1Panel1->text(), QString("Quillomar PAD Submitter - Elements: 3"));
        QCOMPARE(w()->cboFilterStatus->count(), 4);
        QVERIFY(!w()->cmdMagic->isEnabled());
        QVERIFY(!productAction(w(), "Modify")->isEnabled());
        QVERIFY(productAction(w(), "New")->isEnabled());

        QFile page(m_dir->filePath("webStart.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray html = page.readAll();
        QVERIFY(html.startsWith("\xEF\xBB\xBF<HTML>"));
        QVERIFY(html.endsWith("</BODY></HTML>\r\n"));
        QVERIFY(html.contains("Zeta Notes"));
        QTRY_COMPARE(w()->webSite->url(), QUrl::fromLocalFile(m_dir->filePath("webStart.html")));
    }

    void makersSiteOpensBeforeTheListIsFilled() {
        cleanup();
        m_dir = std::make_unique<TestProgramDir>();
        SeedSite("http://a.example/");
        m_boxes = std::make_unique<MsgBoxSpy>();
        int rowsWhenOpened = -1;
        SetShellInterceptor(
            [&](const QString&, const QString&) { rowsWhenOpened = gMainWindow->lvwSites->topLevelItemCount(); });
        QVERIFY(Main(m_dir->path()));
        SetShellInterceptor({});
        QCOMPARE(rowsWhenOpened, 0);
        QCOMPARE(w()->lvwSites->topLevelItemCount(), 1);
    }

    void choosingAProductFillsTheProductBar() {
        chooseProduct("Zeta Notes");
        QCOMPARE(w()->cmdPADurl[0]->property("Tag").toString(), QString("http://z.example/pad.xml"));
        QCOMPARE(w()->cmdPADurl[1]->property("Tag").toString(), QString("me@z.example"));
        QCOMPARE(w()->cmdPADurl[2]->property("Tag").toString(), QString("Zed O'Neil"));
        QCOMPARE(w()->cmdPADurl[3]->property("Tag").toString(), QString("R-1"));
        QCOMPARE(w()->cboPad->count(), 12);
        QCOMPARE(w()->cboPad->itemText(0), QString("Name"));
        QCOMPARE(w()->cboPad->itemText(11), QString("PaymentShareIt"));
        QCOMPARE(w()->lblFolderName->text(), QString(" Quillomar Pad Submitter - Zeta Notes"));
        QVERIFY(w()->cmdMagic->isEnabled());
        QVERIFY(w()->fraPadOtherElements->isEnabled());
        QVERIFY(productAction(w(), "Delete")->isEnabled());
        // No site was selected: the log-in buttons carry nothing.
        QVERIFY(!w()->cmdPADurl[4]->isEnabled());
        QVERIFY(!w()->cmdPADurl[5]->isEnabled());

        const QTreeWidget* list = w()->lvwSites;
        QCOMPARE(SiteRow::IconKey(list->topLevelItem(0), ColStatus), QString("submitted"));
        QCOMPARE(SiteRow::IconKey(list->topLevelItem(1), ColStatus), QString("published"));
        QCOMPARE(SiteRow::IconKey(list->topLevelItem(2), ColStatus), QString("notSubmitted"));
        QCOMPARE(list->topLevelItem(1)->text(ColOld), QString("X"));

        chooseProduct("alpha tool"); // null columns give empty tags
        QCOMPARE(w()->cmdPADurl[0]->property("Tag").toString(), QString());
        QCOMPARE(SiteRow::IconKey(list->topLevelItem(0), ColStatus), QString("notSubmitted"));
    }

    void logInButtonsFollowTheSelectedSite() {
        SiteRow::SelectAndShow(w()->lvwSites, w()->lvwSites->topLevelItem(0));
        chooseProduct("Zeta Notes");
        QVERIFY(w()->cmdPADurl[4]->isEnabled());
        QCOMPARE(w()->cmdPADurl[4]->property("Tag").toString(), QString("me"));
        QCOMPARE(w()->cmdPADurl[5]->property("Tag").toString(), QString("pw"));
    }

    void selectOneResetsTheWindow() {
        chooseProduct("Zeta Notes");
        chooseProduct("Select one");
        QCOMPARE(w()->lblFolderName->text(), QString(" Quillomar Pad Submitter"));
        QCOMPARE(w()->cboPad->count(), 0);
        QVERIFY(!w()->cmdMagic->isEnabled());
        QVERIFY(!productAction(w(), "Modify")->isEnabled());
        QCOMPARE(w()->lvwSites->topLevelItem(0)->text(ColStatus), QString("?"));
        w()->findChild<QAction*>("miProductProperty")->trigger();
        QCOMPARE(m_boxes->texts(), QStringList{"Select in the combo box the program to modify"});
    }

    void filtersCombine() {
        chooseProduct("Zeta Notes");
        chooseFilter(1); // NotSubmitted
        QCOMPARE(ids(w()->lvwSites), QStringList{"3"});
        chooseFilter(3); // Published
        QCOMPARE(ids(w()->lvwSites), QStringList{"2"});
        w()->chkOldVersionOnly->setChecked(true);
        QCOMPARE(ids(w()->lvwSites), QStringList{"2"});
        chooseFilter(0);
        QCOMPARE(ids(w()->lvwSites), QStringList{"2"});
        w()->chkOldVersionOnly->setChecked(false);
        QCOMPARE(ids(w()->lvwSites), (QStringList{"1", "2", "3"}));
        QCOMPARE(w()->StatusBar1Panel1->text(), QString("Quillomar PAD Submitter - Elements: 3"));
    }

    void searchRebuildsAsYouType() {
        QTest::keyClicks(w()->txtSearch, "o'b");
        QCOMPARE(ids(w()->lvwSites), QStringList{"2"});
        w()->txtSearch->clear();
        QTest::keyClicks(w()->txtSearch, "  ");
        QCOMPARE(w()->lvwSites->topLevelItemCount(), 3); // blanks alone do not search
        QTest::keyClicks(w()->txtSearch, "b.example");
        QCOMPARE(w()->lvwSites->topLevelItemCount(), 0); // but they stand in the pattern
        QTest::mouseClick(w()->cmdClearFilter, Qt::LeftButton);
        QCOMPARE(w()->txtSearch->text(), QString());
        QCOMPARE(w()->lvwSites->topLevelItemCount(), 3);
    }

    void orderingFollowsTheSetting() {
        gSitesOrder = 0;
        w()->cboFilterStatus_Click();
        QCOMPARE(ids(w()->lvwSites), (QStringList{"2", "1", "3"}));
        gSitesOrder = 1;
        w()->cboFilterStatus_Click();
        QCOMPARE(ids(w()->lvwSites), (QStringList{"1", "2", "3"}));
    }

    void deleteAsksFirst() {
        chooseProduct("Zeta Notes");
        m_boxes->answer(Msg::Answer::No);
        productAction(w(), "Delete")->trigger();
        QCOMPARE(m_boxes->shown().last().text, QString("Are you sure you want to delete product 'Zeta Notes' ? "));
        QCOMPARE(m_boxes->shown().last().title, QString("Deleting Product 'Zeta Notes'"));
        QCOMPARE(m_boxes->shown().last().defaultButton, Msg::Answer::No);
        QCOMPARE(m_dir->scalar("SELECT COUNT(*) FROM tab_products").toInt(), 2);
        QCOMPARE(w()->cboProducts->currentText(), QString("Zeta Notes"));

        m_boxes->answer(Msg::Answer::Yes);
        productAction(w(), "Delete")->trigger();
        QCOMPARE(m_dir->scalar("SELECT COUNT(*) FROM tab_products").toInt(), 1);
        QCOMPARE(m_dir->scalar("SELECT COUNT(*) FROM tab_productStatus").toInt(), 2); // its statuses stay
        QCOMPARE(w()->cboProducts->count(), 2);
        QCOMPARE(w()->cboProducts->currentIndex(), -1);
        QVERIFY(!w()->cmdMagic->isEnabled());
        QCOMPARE(w()->lvwSites->topLevelItem(0)->text(ColStatus), QString("?"));
    }

    void deleteWithoutProductSaysSo() {
        w()->ProductDeleteCommand();
        QCOMPARE(m_boxes->texts(), QStringList{"Select in the combo box the program to delete"});
        QCOMPARE(m_boxes->shown()[0].icon, Msg::Icon::Exclamation);
    }

    void listPaneTogglesAndColumnsFollowItsWidth() {
        w()->resize(1200, 700);
        w()->show();
        QVERIFY(QTest::qWaitForWindowExposed(w()));
        w()->Toolbar1_ButtonClick("ShowHideListView");
        QVERIFY(!w()->picLeft->isVisible());
        w()->Toolbar1_ButtonClick("ShowHideListView");
        QVERIFY(w()->picLeft->isVisible());
        QTRY_COMPARE(w()->vSplitter->sizes().at(0), w()->vSplitter->width() / 3);
        QTRY_COMPARE(w()->lvwSites->columnWidth(1), w()->lvwSites->viewport()->width() * 45 / 100);
        w()->vSplitter->setSizes({0, w()->vSplitter->width()});
        QVERIFY(w()->vSplitter->sizes().at(0) >= 67); // a drag cannot hide the list pane
    }

    void missingDatabaseReportsEachOperation() {
        cleanup();
        m_dir = std::make_unique<TestProgramDir>(false);
        m_boxes = std::make_unique<MsgBoxSpy>();
        m_shell = std::make_unique<ShellSpy>();
        QVERIFY(Main(m_dir->path()));
        const QStringList texts = m_boxes->texts();
        QVERIFY2(texts.size() >= 4, qPrintable(texts.join('|')));
        QVERIFY(texts[2].startsWith("Error in LoadStaticHtml: "));
        QVERIFY(texts[3].startsWith("Error in LoadComboProductsErr: "));
        QVERIFY(texts.last().startsWith("Error in MakeLvwSitesContents: "));
        QVERIFY(w()->isVisible());
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
