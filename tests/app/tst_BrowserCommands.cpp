#include "PageScripts.h"
#include "RunningProgram.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

#include <climits>

// The main window's side of the browser. What the engine, the fill and the paste do with a page (addresses,
// hostile values, which fields) is tested with the browser units.
namespace {

const QString kBlocked = "Quillomar Pad Submitter has blocked a PopUp window!";

// Refuses every request to the network and remembers it, so addresses the tests open go nowhere.
class RecordingInterceptor final : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (info.requestUrl().isLocalFile())
            return;
        requested << info.requestUrl();
        info.block(true);
    }
    QList<QUrl> requested;
};

QByteArray pageHtml(const QByteArray& title, const QByteArray& body) {
    return "<!DOCTYPE html><html><head><title>" + title + "</title></head><body>" + body + "</body></html>";
}

} // namespace

// One program for all tests; each test chooses the product and opens the page it needs.
class tst_BrowserCommands final : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> p;
    RecordingInterceptor m_interceptor;
    qint32 m_form = 0;   // submit page: a local form; home page: a local page; log-in data
    qint32 m_blank = 0;  // submit address of blanks; no home page
    qint32 m_remote = 0; // user name of blanks, a password; home page without a scheme
    qint32 m_gone = 0;   // deleted while the list shows it

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
        p->click(m_form, {}, true);
        QVERIFY(loaded.wait(kLoadTimeout));
    }

private slots:
    void initTestCase() {
        QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&m_interceptor);
        p = std::make_unique<RunningProgram>([this](const TestProgramDir& dir) {
            dir.writeFile("submit.html",
                          pageHtml("Submit", "<input id=\"pad\" name=\"padurl\"><input id=\"regnow\" name=\"RegNow\">"
                                             "<input id=\"title\"><textarea id=\"notes\"></textarea>"
                                             "<script>function openPopup() { window.open('second.html'); }</script>"));
            dir.writeFile("second.html", pageHtml("Second", "<p>second</p>"));
            SeedProduct("Tool", {{"padURL", "http://x.example/pad.xml"},
                                 {"author", "Ann"},
                                 {"paymentRegNow", "R-1"},
                                 {"shortDescription", "Short"}});
            m_form = SeedSite(dir.filePath("submit.html"),
                              {{"userID", "me"}, {"password", "pw"}, {"homePage", dir.filePath("second.html")}});
            m_blank = SeedSite("   ");
            m_remote = SeedSite("http://remote.example.invalid/",
                                {{"userID", "   "}, {"password", "secret"}, {"homePage", "www.home.example"}});
            m_gone = SeedSite("http://gone.example.invalid/", {{"homePage", "gone.example"}});
        });
        QVERIFY(p->started);
    }
    void cleanupTestCase() {
        p.reset();
        QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(nullptr);
    }
    void init() {
        p->boxes.clear();
        p->shell.clear();
        m_interceptor.requested.clear();
        gPopUpBlock = 0;
    }

    void doubleClickAndEnterOpenTheSubmitPageWithItsLogIn() {
        openFormPage();
        QVERIFY(ReadFile(page("webStart.html")).contains("Loading web pad site URL: " + page("submit.html").toUtf8()));
        QCOMPARE(p->tag(4) + "|" + p->tag(5), QString("me|pw"));
        // A user name of blanks leaves its button empty and disabled.
        p->click(m_remote);
        QTest::keyClick(w()->lvwSites, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(m_interceptor.requested.contains(QUrl("http://remote.example.invalid/")),
                                 kLoadTimeout);
        QCOMPARE(p->tag(4) + "|" + p->tag(5), QString("|secret"));
        QVERIFY(!w()->cmdPADurl[4]->isEnabled() && w()->cmdPADurl[5]->isEnabled());
    }

    // Released below the rows: Enter on a selected row does nothing until the next release on a row.
    void blankAddressOrReleaseBelowTheRowsOpensNothing() {
        const QByteArray before = ReadFile(page("webStart.html"));
        p->click(m_blank, {}, true);
        QTest::mouseClick(w()->lvwSites->viewport(), Qt::LeftButton, {},
                          QPoint(10, w()->lvwSites->viewport()->height() - 3));
        select(m_remote);
        QTest::keyClick(w()->lvwSites, Qt::Key_Return);
        QCOMPARE(ReadFile(page("webStart.html")), before);
        QVERIFY(p->boxes.shown().isEmpty());
    }

    void homePageCommandsTellWhatIsMissing() {
        w()->cboFilterStatus_Click();
        p->dir.sql("DELETE FROM tab_sites WHERE siteID = ?", {m_gone}); // the list still shows it
        for (const qint32 site : {m_blank, m_gone}) {
            select(site);
            p->trigger("miLvwSitesOpenSiteHome");
            p->trigger("miLvwSitesVisitSiteHomeInExternal");
        }
        const QString none = "No home page specified for this pad site";
        QCOMPARE(p->boxes.texts(), (QStringList{none, none, "Error: no record found", "Error: no record found"}));
        select(m_remote);
        p->trigger("miLvwSitesVisitSiteHomeInExternal");
        QCOMPARE(p->shell.targets(), QStringList{"http://www.home.example"});
        select(m_form);
        p->trigger("miLvwSitesOpenSiteHome");
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Second"), kLoadTimeout);
    }

    // A bar beyond its end keeps its value; no overflow on the way to the end.
    void progressAndStatusFollowTheBrowser() {
        const std::tuple<int, int, const char*> steps[] = {{250, 1000, "Loading 25% 25"},
                                                           {2000, 1000, "Loading 100% 25"},
                                                           {INT_MAX, INT_MAX, "Done"},
                                                           {250, 1000, "Loading 25% 25"},
                                                           {-1, 100, "Done"}};
        for (const auto& [progress, progressMax, shown] : steps) {
            emit w()->webSite->ProgressChange(progress, progressMax);
            QCOMPARE(w()->lblProgress->text() +
                         (w()->ProgressBar1->isHidden() ? QString() : QString(" %1").arg(w()->ProgressBar1->value())),
                     QString(shown));
        }
        emit w()->webSite->StatusTextChange("http://x.example/a b'c");
        QCOMPARE(w()->txtWebStatusBar->text(), QString("http://x.example/a b'c"));
        // A failed load ends the same way.
        w()->lblProgress->clear();
        w()->webSite->Navigate(page("missing.html"));
        QTRY_COMPARE_WITH_TIMEOUT(w()->lblProgress->text(), QString("Done"), kLoadTimeout);
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
        QVERIFY(p->boxes.shown().isEmpty());
    }

    void popUpsAreBlockedOrAskedByTheSetting() {
        openFormPage();
        const int windows = QApplication::topLevelWidgets().size();
        QVERIFY(evaluate("openPopup(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.texts(), QStringList{kBlocked}, kLoadTimeout);
        // Yes blocks.
        gPopUpBlock = 1;
        p->boxes.clear();
        p->boxes.answer(Msg::Answer::Yes);
        QVERIFY(evaluate("openPopup(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.texts(),
                                  QStringList{"This site is trying to open a POPUP window. Block it?"}, kLoadTimeout);
        QVERIFY(evaluate("return 1;").isValid());
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        p->boxes.answer(Msg::Answer::No);
        QVERIFY(evaluate("openPopup(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::topLevelWidgets().size(), windows + 1, kLoadTimeout);
    }

    void fillAndPasteButtonsWriteTheProductsValues() {
        p->chooseProduct("Tool");
        openFormPage();
        QTest::mouseClick(w()->cmdMagic, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("regnow"), QString("R-1"), kLoadTimeout);
        QClipboard* clipboard = QGuiApplication::clipboard();
        QTest::mouseClick(w()->cmdPADurl[2], Qt::LeftButton); // the focus is on no field
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.texts(),
                                  QStringList{"Please, select the textbox where you want to paste information"},
                                  kLoadTimeout);
        QVERIFY(Focus(*w()->webSite, "notes"));
        QTest::mouseClick(w()->cmdPADurl[2], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("notes"), QString("Ann"), kLoadTimeout);
        QCOMPARE(clipboard->text(), QString("Ann"));
        QVERIFY(Focus(*w()->webSite, "title"));
        QTest::mouseClick(w()->cmdPADurl[5], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("title"), QString("pw"), kLoadTimeout);
        // The password goes on the clipboard marked secret, and no widget keeps it where tools could read it.
        QCOMPARE(clipboard->mimeData()->data("x-kde-passwordManagerHint"), QByteArray("secret"));
        for (const QWidget* widget : w()->findChildren<QWidget*>()) {
            QStringList texts{widget->toolTip(), widget->accessibleName(), widget->statusTip(), widget->whatsThis()};
            for (const QByteArray& name : widget->dynamicPropertyNames())
                texts << widget->property(name).toString();
            QVERIFY2(!texts.contains("pw"), qPrintable(widget->objectName()));
        }
    }

    // Nothing is chosen for the user; a field without a value leaves the page alone.
    void otherElementsPasteReadsTheChosenColumn() {
        p->chooseProduct("Tool");
        openFormPage();
        QVERIFY(Focus(*w()->webSite, "title"));
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        w()->cboPad->setCurrentText("LongDescription");
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        QCOMPARE(p->boxes.texts(), (QStringList{"Nothing selected", "LongDescription is empty for this product: "
                                                                    "there is nothing to paste."}));
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
