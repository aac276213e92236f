#include "LoopbackHttpServer.h"
#include "PageWaits.h"
#include "RunningProgram.h"
#include "TestMain.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QToolButton>
#include <QWebEngineProfile>

// The main window's side of the browser. What the engine, the fill and the paste do with a page (addresses,
// hostile values, which fields) is tested with the browser units.
namespace {

// Form: a form page with log-in data and a home page; Tool is published there. Blank: a submit address of blanks, no
// home page. Other: another page, a user name of blanks, a password, a home page of host and port without a scheme.
// Gone: deleted while the list shows it. Version: a page asking for the version and a price. Listed by address: Blank,
// Other, Form, Version, Gone. LogIn: a site on the loopback server with a log-in and a home page on sub.localhost.
// Every page is a local file or on the loopback server: the tests reach no other address.
enum Site { Form = 1, Blank, Other, Gone, Version, LogIn };

const QString kPassword = QStringLiteral("pa55 \"<w\u00f6rd>'");

// What a page's own script can see of a fill: every value its fields take, and every argument list that goes
// through Function.prototype.apply, which the program's scripts use to hand their arguments over.
const QByteArray kRecorder = "<script>var seen = []; var apply = Function.prototype.apply;"
                             "Function.prototype.apply = function (self, args) {"
                             "  try { seen.push(JSON.stringify(args)); } catch (e) {}"
                             "  return Reflect.apply(this, self, args || []); };"
                             "document.addEventListener('input', function (e) { seen.push(e.target.value); }, true);"
                             "</script>";

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

void seedLogIn(const LoopbackHttpServer& server) {
    SeedSite(
        server.url("/login").toString(),
        {{"name", "Loopback"}, {"userID", "ann@example.com"}, {"password", kPassword}, {"homePage", "sub.localhost"}});
}

} // namespace

// One program for all tests; each test chooses the product and opens the page it needs.
class tst_BrowserCommands final : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> p;
    LoopbackHttpServer server;

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
        p = std::make_unique<RunningProgram>([this](const TestProgramDir& dir) {
            seed(dir);
            seedLogIn(server);
        });
        QVERIFY(p->started);
    }
    void cleanupTestCase() { p.reset(); }
    void init() {
        p->boxes.clear();
        p->shell.clear();
        gPopUpBlock = 0;
        gNextRemainingSite = gNextOldVersionSite = gFillAllAfterVisit = false;
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

    // The log-in goes into the log-in form of a page on the site's own hosts and nowhere else; another host's page
    // sees nothing of it, not even in the arguments of the program's scripts. The password is in no text of the
    // program.
    void fillLogIn_data() {
        QTest::addColumn<QByteArray>("form");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("status");
        const QByteArray plain = "<form><input id=user name=login><input id=pw type=password><input type=submit></form>"
                                 "<form><input id=comment></form>";
        const QByteArray hinted = "<form><input id=mail type=email autocomplete=username><input id=nick>"
                                  "<input id=pw type=password autocomplete=current-password></form>";
        const QByteArray searchFirst = "<form role=search><input id=q name=q></form>"
                                       "<form><input id=u><input id=pw type=password></form>";
        const QString filled = "Filled the log-in of Loopback.";
        const QString withheld = "The log-in of Loopback was withheld: this page is on localhost, not on the site's "
                                 "own host (127.0.0.1, sub.localhost).";
        const QString user = "ann@example.com";
        QTest::newRow("user box before the password") << plain << "127.0.0.1"
                                                      << "menu"
                                                      << "user=" + user + " pw=" + kPassword + " comment=" << filled;
        QTest::newRow("autocomplete hints") << hinted << "www.sub.localhost"
                                            << "button"
                                            << "mail=" + user + " nick= pw=" + kPassword << filled;
        QTest::newRow("search box first, Fill all") << searchFirst << "127.0.0.1"
                                                    << "fill all"
                                                    << "q= u=" + user + " pw=" + kPassword << filled;
        QTest::newRow("another host") << plain << "localhost"
                                      << "menu"
                                      << "user= pw= comment=" << withheld;
        QTest::newRow("another host, Fill all") << searchFirst << "localhost"
                                                << "fill all"
                                                << "q= u= pw=" << withheld;
        // The page hands the program's script a made-up frame that claims the site's host, with a password box that
        // keeps what it is given.
        const QByteArray posing =
            "<script>var box = {type: 'password', tagName: 'INPUT', disabled: false, readOnly: false, form: null,"
            "  getClientRects: function () { return [1]; }, getAttribute: function () { return 'password'; },"
            "  compareDocumentPosition: function () { return 0; }, set value(v) { seen.push(v); }};"
            "var frame = {documentElement: {}, location: {hostname: '127.0.0.1'},"
            "  defaultView: {getComputedStyle: function () { return {}; }},"
            "  querySelectorAll: function (s) { return s.indexOf('password') >= 0 ? [box] : []; }};"
            "box.ownerDocument = frame; var own = Document.prototype.querySelectorAll;"
            "Document.prototype.querySelectorAll = function (s) {"
            "  return s === 'iframe, frame' ? [{contentDocument: frame}] : own.call(this, s); };</script>";
        QTest::newRow("another host posing as the site") << posing << "localhost"
                                                         << "menu" << QString() << withheld;
    }
    void fillLogIn() {
        QFETCH(QByteArray, form);
        QFETCH(QString, host);
        QFETCH(QString, command);
        QFETCH(QString, values);
        QFETCH(QString, status);
        server.ok("/login", "<title>Log in</title>" + kRecorder + form, "text/html");
        QVERIFY(NavigateAndWait(*w()->webSite, server.url("/login", host).toString()));
        p->chooseProduct("Tool");
        p->click(LogIn);
        w()->StatusBar1Panel1->clear();
        if (command == "menu")
            p->trigger("miBrowserFillLogIn");
        else if (command == "button")
            QTest::mouseClick(w()->cmdFillLogIn, Qt::LeftButton);
        else
            QTest::mouseClick(w()->cmdFillAll, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w()->StatusBar1Panel1->text(), status, kLoadTimeout);
        QCOMPARE(evaluate("return Array.prototype.map.call(document.querySelectorAll('input:not([type=submit])'),"
                          " function (e) { return e.id + '=' + e.value; }).join(' ');")
                     .toString(),
                 values);
        const QString seen = evaluate("return JSON.stringify(seen);").toString();
        QCOMPARE(seen.contains("ann@example.com"), host != "localhost");
        QCOMPARE(seen.contains("pa55"), host != "localhost");
        QCOMPARE(p->boxes.texts(), QStringList());
        for (QWidget* widget : QApplication::allWidgets()) {
            const auto* line = qobject_cast<QLineEdit*>(widget);
            const auto* label = qobject_cast<QLabel*>(widget);
            for (const QString& text : {widget->toolTip(), widget->windowTitle(), line ? line->text() : QString(),
                                        label ? label->text() : QString()})
                QVERIFY2(!text.contains("pa55"), qPrintable(widget->objectName()));
        }
    }

    // A log-in cookie and site storage outlive the program, in an owner-only folder beside the archive, until the
    // user forgets them: the cookie at once, the storage before the engine opens it at the next start.
    void logInSurvivesARestartUntilForgotten() {
        const QByteArray page = "<script>localStorage.setItem('k', 'v');</script>";
        server.respond("/set", "HTTP/1.1 200 OK\r\nSet-Cookie: sid=s1; Max-Age=3600; Path=/\r\nContent-Type: text/html"
                               "\r\nContent-Length: " +
                                   QByteArray::number(page.size()) + "\r\nConnection: close\r\n\r\n" + page);
        server.ok("/check", "ok", "text/html");
        const auto cookieSent = [this]() -> QString {
            const qsizetype before = server.requestHeads().size();
            // After a start the start page may still be loading: only this page's end counts.
            QSignalSpy finished(w()->webSite->page(), &QWebEnginePage::loadFinished);
            w()->webSite->Navigate(server.url("/check").toString());
            if (!QTest::qWaitFor([&] { return !finished.isEmpty() && w()->webSite->url() == server.url("/check"); },
                                 kLoadTimeout))
                return "no page";
            for (const QByteArray& head : server.requestHeads().mid(before))
                if (head.startsWith("GET /check "))
                    return head.contains("\r\nCookie: sid=s1") ? "sent" : "none";
            return "no request";
        };
        QVERIFY(NavigateAndWait(*w()->webSite, server.url("/set").toString()));
        p->restart();
        QVERIFY(p->started);
        QVERIFY(!w()->webSite->page()->profile()->isOffTheRecord());
        QCOMPARE(cookieSent(), QString("sent"));
        QCOMPARE(evaluate("return localStorage.getItem('k');").toString(), QString("v"));
        QCOMPARE(QFile::permissions(p->dir.filePath("browser")) & 0x0077, QFile::Permissions());
        p->trigger("miToolsForgetLogIns"); // No by default
        QCOMPARE(cookieSent(), QString("sent"));
        p->boxes.answer(Msg::Answer::Yes);
        p->trigger("miToolsForgetLogIns");
        QCOMPARE(cookieSent(), QString("none"));
        EndProgram();
        p->dir.writeFile("browser/Local Storage/left", "x");
        p->restart();
        QVERIFY(!QFileInfo::exists(p->dir.filePath("browser/Local Storage/left")));
    }

    // No, the default, leaves the engine's error page; Yes shows the page and lets the host through for the run.
    void faultyCertificateIsTheUsersCall() {
        LoopbackHttpServer https(LoopbackHttpServer::Kind::SelfSignedHttps);
        https.ok("/", "<title>Secure</title><p>inside</p>", "text/html");
        const auto shows = [this, &https](const QString& expected) {
            QSignalSpy loaded(w()->webSite->page(), &QWebEnginePage::loadFinished);
            w()->webSite->Navigate(https.url("/").toString());
            if (!loaded.wait(kLoadTimeout))
                return false;
            const auto text = AnswerOf<QString>([this](auto done) { w()->webSite->page()->toPlainText(done); });
            return text && text->contains("inside") == !expected.isEmpty();
        };
        QVERIFY(shows(QString()));
        QCOMPARE(p->boxes.shown().size(), 1);
        const MsgBoxRecord asked = p->boxes.shown()[0];
        QVERIFY2(asked.text.startsWith("The certificate of 127.0.0.1 is not valid:") &&
                     asked.text.endsWith("Continue to this site anyway?"),
                 qPrintable(asked.text));
        QVERIFY(asked.buttons == Msg::Buttons::YesNo && asked.defaultButton == Msg::Answer::No);
        p->boxes.answer(Msg::Answer::Yes);
        QVERIFY(shows("inside"));
        QVERIFY(shows("inside"));
        QCOMPARE(p->boxes.shown().size(), 2);
    }

    // Reload asks again and Stop ends a load; zoom is kept per host; the page's address goes to the clipboard or the
    // external browser; the find bar counts.
    void browserPaneCommands() {
        server.hang("/slow");
        w()->webSite->Navigate(server.url("/slow").toString());
        QAction* stop = w()->findChild<QAction*>("miBrowserStop");
        QTRY_VERIFY_WITH_TIMEOUT(stop->isEnabled(), kLoadTimeout);
        QSignalSpy ended(w()->webSite->page(), &QWebEnginePage::loadFinished);
        stop->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!ended.isEmpty() && !stop->isEnabled(), kLoadTimeout);
        server.ok("/words", "<p>one word, two words, three words</p>", "text/html");
        QVERIFY(NavigateAndWait(*w()->webSite, server.url("/words").toString()));
        p->trigger("miBrowserReload");
        QTRY_COMPARE_WITH_TIMEOUT(server.requests().count("/words"), 2, kLoadTimeout);
        QVERIFY(QTest::qWaitFor([&] { return !stop->isEnabled(); }, kLoadTimeout));
        p->trigger("miBrowserZoomIn");
        p->trigger("miBrowserZoomIn");
        QCOMPARE(w()->webSite->zoomFactor(), 1.25);
        QVERIFY(NavigateAndWait(*w()->webSite, server.url("/words", "localhost").toString()));
        QCOMPARE(w()->webSite->zoomFactor(), 1.0);
        QVERIFY(NavigateAndWait(*w()->webSite, server.url("/words").toString()));
        QCOMPARE(w()->webSite->zoomFactor(), 1.25);
        p->trigger("miBrowserZoomReset");
        p->trigger("miBrowserCopyAddress");
        QCOMPARE(QGuiApplication::clipboard()->text(), server.url("/words").toString());
        p->trigger("miBrowserOpenExternal");
        QCOMPARE(p->shell.targets(), QStringList{server.url("/words").toString()});

        p->trigger("miBrowserFind");
        auto* find = w()->findChild<QLineEdit*>("txtFind");
        auto* matches = w()->findChild<QLabel*>("lblFindMatches");
        QTRY_VERIFY(find->hasFocus());
        QTest::keyClicks(find, "word");
        QTRY_COMPARE_WITH_TIMEOUT(matches->text(), QString("1 of 3"), kLoadTimeout);
        QTest::keyClick(find, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(matches->text(), QString("2 of 3"), kLoadTimeout);
        QTest::keyClick(find, Qt::Key_Escape);
        QVERIFY(!find->isVisible());
    }

    // The run options from kwz.ini: marked Submitted, a site leads on to the next row below it that has no status
    // (Form is published there) or, the second choice, that is marked old version (Form); the page visited is
    // filled once it has loaded.
    void runOptionsVisitTheNextSiteAndFillIt_data() {
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<int>("next");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("filled");
        QTest::newRow("remaining") << QByteArray("NextRemainingSite=1\n") << int(Version) << "v"
                                   << "2.0";
        QTest::newRow("old version") << QByteArray("NextOldVersionSite=1\n") << int(Form) << "pad"
                                     << "http://x.example/pad.xml";
    }
    void runOptionsVisitTheNextSiteAndFillIt() {
        QFETCH(QByteArray, options);
        QFETCH(int, next);
        QFETCH(QString, field);
        QFETCH(QString, filled);
        p.reset();
        const auto flagged = [](const TestProgramDir& dir) {
            seed(dir);
            dir.sql("UPDATE tab_productStatus SET oldVersion = 1");
        };
        p = std::make_unique<RunningProgram>(flagged, RunningProgram::kIni + options + "FillAllAfterVisit=1\n");
        p->chooseProduct("Tool");
        p->click(Other);
        p->trigger("SiteSubmitted");
        QCOMPARE(p->selectedSite(), next);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf(field), filled, kLoadTimeout);
    }
};

QUILL_TEST_MAIN(tst_BrowserCommands)
#include "tst_BrowserCommands.moc"
