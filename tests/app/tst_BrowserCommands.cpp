#include "PageScripts.h"
#include "RunningProgram.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <climits>

// The main window's side of the browser. What the engine, the fill and the paste do with a page (addresses,
// hostile values, which fields) is tested with the browser units.
namespace {

// Form: a form page with log-in data and a home page. Blank: a submit address of blanks, no home page. Other: another
// page, a user name of blanks, a password, a home page without a scheme. Gone: deleted while the list shows it. Every
// page is a local file: the tests reach no other address.
enum Site { Form = 1, Blank, Other, Gone };

} // namespace

// One program for all tests; each test chooses the product and opens the page it needs.
class tst_BrowserCommands final : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> p;

    frmMain* w() const { return gMainWindow; }
    QString page(const char* name) const { return p->dir.filePath(QString::fromLatin1(name)); }
    QVariant evaluate(const QString& body) { return Evaluate(*w()->webSite, body); }
    QString valueOf(const QString& id) { return ValueOf(*w()->webSite, id).toString(); }
    void select(qint32 siteID) const {
        w()->lvwSites->clearSelection();
        SiteRow::SelectAndShow(w()->lvwSites, p->row(siteID));
    }
    void openFormPage() {
        QSignalSpy loaded(w()->webSite->page(), &QWebEnginePage::loadFinished);
        p->click(Form, {}, true);
        QVERIFY(loaded.wait(kLoadTimeout));
    }

private slots:
    void initTestCase() {
        p = std::make_unique<RunningProgram>([](const TestProgramDir& dir) {
            dir.writeFile("submit.html", "<title>Submit</title><input id=pad name=padurl><input id=regnow name=RegNow>"
                                         "<input id=title><textarea id=notes></textarea>"
                                         "<script>function openPopup() { window.open('second.html'); }</script>");
            dir.writeFile("second.html", "<title>Second</title>");
            SeedProduct("Tool", {{"padURL", "http://x.example/pad.xml"},
                                 {"author", "Ann"},
                                 {"paymentRegNow", "R-1"},
                                 {"shortDescription", "Short"}});
            SeedSite(dir.filePath("submit.html"),
                     {{"userID", "me"}, {"password", "pw"}, {"homePage", dir.filePath("second.html")}});
            SeedSite("   ");
            SeedSite(dir.filePath("second.html"),
                     {{"userID", "   "}, {"password", "secret"}, {"homePage", "www.home.example"}});
            SeedSite("gone.example", {{"homePage", "gone.example"}});
        });
        QVERIFY(p->started);
    }
    void cleanupTestCase() { p.reset(); }
    void init() {
        p->boxes.clear();
        p->shell.clear();
        gPopUpBlock = 0;
    }

    void doubleClickAndEnterOpenTheSubmitPageWithItsLogIn() {
        openFormPage();
        QVERIFY(ReadFile(page("webStart.html")).contains("Loading web pad site URL: " + page("submit.html").toUtf8()));
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
            select(site);
            p->trigger("miLvwSitesOpenSiteHome");
            p->trigger("miLvwSitesVisitSiteHomeInExternal");
        }
        const QString none = "No home page specified for this pad site";
        QCOMPARE(p->boxes.texts(), (QStringList{none, none, "Error: no record found", "Error: no record found"}));
        select(Other);
        p->trigger("miLvwSitesVisitSiteHomeInExternal");
        QCOMPARE(p->shell.targets(), QStringList{"http://www.home.example"});
        select(Form);
        p->trigger("miLvwSitesOpenSiteHome");
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Second"), kLoadTimeout);
    }

    // A bar beyond its end keeps its value; no overflow on the way to the end.
    void progressAndStatusFollowTheBrowser() {
        QStringList shown;
        for (const auto& [progress, progressMax] : std::initializer_list<std::pair<int, int>>{
                 {250, 1000}, {2000, 1000}, {INT_MAX, INT_MAX}, {250, 1000}, {-1, 100}}) {
            emit w()->webSite->ProgressChange(progress, progressMax);
            shown << w()->lblProgress->text() +
                         (w()->ProgressBar1->isHidden() ? "" : QString(" %1").arg(w()->ProgressBar1->value()));
        }
        QCOMPARE(shown, (QStringList{"Loading 25% 25", "Loading 100% 25", "Done", "Loading 25% 25", "Done"}));
        emit w()->webSite->StatusTextChange("http://x.example/a b'c");
        QCOMPARE(w()->txtWebStatusBar->text(), QString("http://x.example/a b'c"));
    }

    void backAndForwardButtons() {
        for (const char* name : {"submit.html", "second.html"}) {
            w()->webSite->Navigate(page(name));
            QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->url(), QUrl::fromLocalFile(page(name)), kLoadTimeout);
        }
        QTest::mouseClick(w()->cmdGoBack, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Submit"), kLoadTimeout);
        QTest::mouseClick(w()->cmdGoForward, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Second"), kLoadTimeout);
    }

    // Without the setting every pop-up is refused; with it the user is asked, and Yes blocks.
    void popUpsAreBlockedOrAskedByTheSetting() {
        openFormPage();
        const int windows = QApplication::topLevelWidgets().size();
        QVERIFY(evaluate("openPopup(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.texts(), QStringList{"Quillomar Pad Submitter has blocked a PopUp window!"},
                                  kLoadTimeout);
        gPopUpBlock = 1;
        p->boxes.answer(Msg::Answer::Yes);
        p->boxes.answer(Msg::Answer::No);
        QVERIFY(evaluate("openPopup(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.texts().size(), 2, kLoadTimeout);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        QVERIFY(evaluate("openPopup(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::topLevelWidgets().size(), windows + 1, kLoadTimeout);
        QCOMPARE(p->boxes.texts().last(), QString("This site is trying to open a POPUP window. Block it?"));
    }

    // The password goes on the clipboard marked secret.
    void fillAndPasteButtonsWriteTheProductsValues() {
        p->chooseProduct("Tool");
        openFormPage();
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
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("notes"), QString("pw"), kLoadTimeout);
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->data("x-kde-passwordManagerHint"), QByteArray("secret"));
    }

    // Nothing is chosen for the user; a field without a value leaves the page alone.
    void otherElementsPasteReadsTheChosenColumn() {
        p->chooseProduct("Tool");
        openFormPage();
        QVERIFY(Focus(*w()->webSite, "title"));
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        w()->cboPad->setCurrentText("LongDescription");
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        QCOMPARE(
            p->boxes.texts(),
            (QStringList{"Nothing selected", "LongDescription is empty for this product: there is nothing to paste."}));
        QCOMPARE(valueOf("title"), QString());
        w()->cboPad->setCurrentText("ShortDescription");
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("title"), QString("Short"), kLoadTimeout);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("Short"));
    }

    void resetAsksFirst() {
        openFormPage();
        QVERIFY(evaluate("document.getElementById('title').value = 'typed'; return 1;").isValid());
        QTest::mouseClick(w()->cmdResetForm, Qt::LeftButton); // No by default
        QCOMPARE(valueOf("title"), QString("typed"));
        p->boxes.answer(Msg::Answer::Yes);
        QTest::mouseClick(w()->cmdResetForm, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("title"), QString(), kLoadTimeout);
    }
};

QUILL_TEST_MAIN(tst_BrowserCommands)
#include "tst_BrowserCommands.moc"
