#include "PageWaits.h"
#include "RunningProgram.h"
#include "TestMain.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QToolButton>

// The main window's side of the browser. What the engine, the fill and the paste do with a page (addresses,
// hostile values, which fields) is tested with the browser units.
namespace {

// Form: a form page with log-in data and a home page; Tool is published there. Blank: a submit address of blanks, no
// home page. Other: another page, a user name of blanks, a password, a home page of host and port without a scheme.
// Gone: deleted while the list shows it. Version: a page asking for the version and a price. Listed by address: Blank,
// Other, Form, Version, Gone. Every page is a local file: the tests reach no other address.
enum Site { Form = 1, Blank, Other, Gone, Version };

void seed(const TestProgramDir& dir) {
    dir.writeFile("submit.html", "<title>Submit</title><input id=pad name=padurl><input id=regnow name=RegNow>"
                                 "<input id=title><textarea id=notes></textarea>"
                                 "<script>function openPopup() { window.open('second.html'); }</script>");
    dir.writeFile("second.html", "<title>Second</title>");
    dir.writeFile("version.html", "<label for=v>Version</label><input id=v><label for=pr>Price</label><input id=pr>");
    const qint32 tool = SeedProduct("Tool", {{"version", "2.0"},
                                             {"padURL", "http://x.example/pad.xml"},
                                             {"author", "Ann"},
                                             {"paymentRegNow", "R-1"},
                                             {"shortDescription", "Short"}});
    SeedStatus(SeedSite(dir.filePath("submit.html"),
                        {{"userID", "me"}, {"password", "pw"}, {"homePage", dir.filePath("second.html")}}),
               tool, 2);
    SeedSite("   ");
    SeedSite(dir.filePath("second.html"),
             {{"userID", "   "}, {"password", "secret"}, {"homePage", "www.home.example:8080/x"}});
    SeedSite("gone.example", {{"homePage", "gone.example"}});
    SeedSite(dir.filePath("version.html"));
}

} // namespace

// One program for all tests; each test chooses the product and opens the page it needs.
class tst_BrowserCommands final : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> p;

    frmMain* w() const { return gMainWindow; }
    QVariant evaluate(const QString& body) { return Evaluate(*w()->webSite, body); }
    QString valueOf(const QString& id) { return ValueOf(*w()->webSite, id).toString(); }
    void openPage(qint32 siteID = Form) {
        QSignalSpy loaded(w()->webSite->page(), &QWebEnginePage::loadFinished);
        p->click(siteID, {}, true);
        QVERIFY(loaded.wait(kLoadTimeout));
    }

private slots:
    void initTestCase() {
        p = std::make_unique<RunningProgram>(seed);
        QVERIFY(p->started);
    }
    void cleanupTestCase() { p.reset(); }
    void init() {
        p->boxes.clear();
        p->shell.clear();
        gPopUpBlock = 0;
        gNextRemainingSite = gFillAllAfterVisit = false;
    }

    void doubleClickAndEnterOpenTheSubmitPageWithItsLogIn() {
        openPage();
        QCOMPARE(p->tag(4) + "|" + p->tag(5), QString("me|pw"));
        // A user name of blanks leaves its button empty and disabled.
        p->click(Other);
        QTest::keyClick(w()->lvwSites, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Second"), kLoadTimeout);
        QCOMPARE(p->tag(4) + "|" + p->tag(5), QString("|secret"));
        QVERIFY(!w()->cmdPADurl[4]->isEnabled() && w()->cmdPADurl[5]->isEnabled());
    }

    void homePageCommandsTellWhatIsMissing() {
        w()->cboFilterStatus_Click();
        p->dir.sql("DELETE FROM tab_sites WHERE siteID = 4"); // the list still shows it
        for (const qint32 site : {Blank, Gone}) {
            p->click(site);
            p->trigger("miLvwSitesOpenSiteHome");
            p->trigger("miLvwSitesVisitSiteHomeInExternal");
        }
        const QString none = "No home page specified for this pad site";
        QCOMPARE(p->boxes.texts(), (QStringList{none, none, "Error: no record found", "Error: no record found"}));
        p->click(Other);
        p->trigger("miLvwSitesVisitSiteHomeInExternal");
        QCOMPARE(p->shell.targets(), QStringList{"http://www.home.example:8080/x"});
        p->click(Form);
        p->trigger("miLvwSitesOpenSiteHome");
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Second"), kLoadTimeout);
    }

    // Without the setting every pop-up is refused; with it the user is asked, and Yes blocks.
    void popUpsAreBlockedOrAskedByTheSetting() {
        openPage();
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(evaluate("openPopup(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.texts(), QStringList{"Quillomar Pad Submitter has blocked a PopUp window!"},
                                  kLoadTimeout);
        gPopUpBlock = 1;
        p->boxes.answer(Msg::Answer::Yes);
        p->boxes.answer(Msg::Answer::No);
        QVERIFY(evaluate("openPopup(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.texts().size(), 2, kLoadTimeout);
        QCOMPARE(QApplication::topLevelWidgets(), windows);
        QVERIFY(evaluate("openPopup(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::topLevelWidgets().size(), windows.size() + 1, kLoadTimeout);
        QCOMPARE(p->boxes.texts().last(), QString("This site is trying to open a POPUP window. Block it?"));
        for (QWidget* window : QApplication::topLevelWidgets())
            if (!windows.contains(window))
                window->close(); // the other tests need the main window active
    }

    // A paste button writes into the focused field and onto the clipboard, the password marked secret; Paste writes
    // the chosen column, and tells when it is empty.
    void fillAndPasteButtonsWriteTheProductsValues() {
        p->chooseProduct("Tool");
        openPage();
        QTest::mouseClick(w()->cmdMagic, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("regnow"), QString("R-1"), kLoadTimeout);
        QTest::mouseClick(w()->cmdPADurl[2], Qt::LeftButton); // the focus is on no field
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.texts(),
                                  QStringList{"Please, select the textbox where you want to paste information"},
                                  kLoadTimeout);
        QVERIFY(Focus(*w()->webSite, "notes"));
        QTest::mouseClick(w()->cmdPADurl[2], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("notes"), QString("Ann"), kLoadTimeout);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("Ann"));
        QTest::mouseClick(w()->cmdPADurl[5], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->mimeData()->data("x-kde-passwordManagerHint"),
                                  QByteArray("secret"), kLoadTimeout);
        QVERIFY(Focus(*w()->webSite, "title"));
        w()->cboPad->setCurrentText("LongDescription");
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        QCOMPARE(p->boxes.texts().last(),
                 QString("LongDescription is empty for this product: there is nothing to paste."));
        w()->cboPad->setCurrentText("ShortDescription");
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("title"), QString("Short"), kLoadTimeout);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("Short"));
    }

    void resetAsksFirst() {
        openPage();
        QVERIFY(evaluate("document.getElementById('title').value = 'typed'; return 1;").isValid());
        QTest::mouseClick(w()->cmdResetForm, Qt::LeftButton); // No by default
        QCOMPARE(valueOf("title"), QString("typed"));
        p->boxes.answer(Msg::Answer::Yes);
        QTest::mouseClick(w()->cmdResetForm, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("title"), QString(), kLoadTimeout);
    }

    // The menu's shortcut and the button fill the shown page from the chosen product and tell it in the status bar,
    // the status bar's button shows the whole report and Ctrl+Shift+Z undoes the fill; without a product the user is
    // asked to choose one.
    void fillAllWritesTheChosenProductIntoTheShownPage() {
        openPage(Version);
        p->chooseProduct("Select one");
        w()->activateWindow(); // for its shortcuts
        QVERIFY(QTest::qWaitForWindowActive(w()));
        QTest::keyClick(w(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(p->boxes.texts().size(), 1);
        QVERIFY(p->boxes.texts()[0].startsWith("Please choose a product"));
        p->chooseProduct("Tool");
        QTest::keyClick(w(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE_WITH_TIMEOUT(w()->StatusBar1Panel1->text(), QString("Filled 1 field. Left empty: Price"),
                                  kLoadTimeout);
        QCOMPARE(evaluate("return document.getElementById('v').title;").toString(), QString("Fill all: Version"));
        QTest::mouseClick(w()->cmdFillReport, Qt::LeftButton);
        QCOMPARE(p->boxes.texts().last(), QString("Filled 1 field:\nVersion: Version\n\nLeft empty, for you to fill or "
                                                  "choose:\nPrice"));
        // A second press changes nothing and leaves the first fill to undo.
        QTest::mouseClick(w()->cmdFillAll, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w()->StatusBar1Panel1->text(), QString("Filled 0 fields. Left empty: Price"),
                                  kLoadTimeout);
        QTest::keyClick(w(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE_WITH_TIMEOUT(w()->StatusBar1Panel1->text(), QString("Undid the fill of 1 field"), kLoadTimeout);
        QCOMPARE(valueOf("v"), QString());
        QTest::mouseClick(w()->cmdFillAll, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("v"), QString("2.0"), kLoadTimeout);
    }

    // Both run options from kwz.ini: marked Submitted, a site leads on to the next row below it that has no status
    // (Form has one), and the page visited is filled once it has loaded.
    void runOptionsVisitTheNextRemainingSiteAndFillIt() {
        p.reset();
        p = std::make_unique<RunningProgram>(seed, QByteArray(RunningProgram::kIni) +
                                                       "NextRemainingSite=1\nFillAllAfterVisit=1\n");
        p->chooseProduct("Tool");
        p->click(Other);
        p->trigger("SiteSubmitted");
        QCOMPARE(p->selectedSite(), int(Version));
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("v"), QString("2.0"), kLoadTimeout);
    }
};

QUILL_TEST_MAIN(tst_BrowserCommands)
#include "tst_BrowserCommands.moc"
