#include "PageScripts.h"
#include "RunningProgram.h"
#include "TestMain.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

#include <climits>

// The main window's side of the browser. What the engine, the fill and the paste do with a page (addresses,
// hostile values, which fields) is tested with the browser units.
namespace {

const QString kSelectTextbox = "Please, select the textbox where you want to paste information";
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
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title + "</title></head><body>" + body +
           "</body></html>";
}

} // namespace

class tst_BrowserCommands final : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> p;
    RecordingInterceptor m_interceptor;
    qint32 m_form = 0;     // submit page: a local form; home page: a local page; log-in data
    qint32 m_blank = 0;    // submit address of blanks; no home page
    qint32 m_noScheme = 0; // empty home page
    qint32 m_noLogin = 0;  // user name of blanks, a password; home page without a scheme

    frmMain* w() const { return gMainWindow; }
    QString page(const char* name) const { return p->dir.filePath(QString::fromLatin1(name)); }
    QVariant evaluate(const QString& body) { return Evaluate(*w()->webSite, body); }
    QString valueOf(const QString& id) { return ValueOf(*w()->webSite, id).toString(); }
    bool focus(const QString& id) { return Focus(*w()->webSite, id); }
    void select(qint32 siteID) const {
        w()->lvwSites->clearSelection();
        SiteRow::SelectAndShow(w()->lvwSites, p->row(siteID));
    }
    void openFormPage() {
        p->click(m_form, {}, true);
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Submit"), kLoadTimeout);
    }
    QString homePageFile() const {
        QFile file(p->dir.filePath("webStart.html"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    bool requested(const char* url) {
        return QTest::qWaitFor([&] { return m_interceptor.requested.contains(QUrl(url)); }, kLoadTimeout);
    }

public:
private slots:
    void initTestCase() { QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&m_interceptor); }
    void cleanupTestCase() { QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(nullptr); }

    void init() {
        m_interceptor.requested.clear();
        p = std::make_unique<RunningProgram>([this](const TestProgramDir& dir) {
            dir.writeFile("submit.html",
                          pageHtml("Submit", "<input id=\"pad\" name=\"padurl\"><input id=\"regnow\" name=\"RegNow\">"
                                             "<input id=\"title\"><textarea id=\"notes\"></textarea>"
                                             "<script>function openPopup() { window.open('popup.html'); }</script>"));
            dir.writeFile("second.html", pageHtml("Second", "<p>second</p>"));
            dir.writeFile("popup.html", pageHtml("Popup page", "<p>pop-up</p>"));
            SeedProduct("Tool", {{"padURL", "http://x.example/pad.xml"},
                                 {"author", "Ann"},
                                 {"paymentRegNow", "R-1"},
                                 {"shortDescription", "Short \"one\"\nsecond line"}});
            m_form = SeedSite(dir.filePath("submit.html"),
                              {{"userID", "me"}, {"password", "pw"}, {"homePage", dir.filePath("second.html")}});
            m_blank = SeedSite("   ");
            m_noScheme = SeedSite("http://noscheme.example.invalid/", {{"homePage", ""}});
            m_noLogin = SeedSite("http://nologin.example.invalid/",
                                 {{"userID", "   "}, {"password", "secret"}, {"homePage", "www.home.example"}});
        });
        QVERIFY(p->started);
        QTRY_COMPARE_WITH_TIMEOUT(w()->lblProgress->text(), QString("Done"), kLoadTimeout);
    }
    void cleanup() { p.reset(); }

    void doubleClickAndEnterOpenTheSubmitPageWithItsLogIn() {
        openFormPage();
        QVERIFY(homePageFile().contains("<center>Loading web pad site URL: " + page("submit.html") + "</center>"));
        QCOMPARE(p->tag(4) + "|" + p->tag(5), QString("me|pw"));
        QVERIFY(w()->cmdPADurl[4]->isEnabled());

        // A user name of blanks leaves its button empty and disabled.
        p->click(m_noLogin);
        QTest::keyClick(w()->lvwSites, Qt::Key_Return);
        QVERIFY(requested("http://nologin.example.invalid/"));
        QCOMPARE(p->tag(4) + "|" + p->tag(5), QString("|secret"));
        QVERIFY(!w()->cmdPADurl[4]->isEnabled() && w()->cmdPADurl[5]->isEnabled());
        QVERIFY(p->boxes.shown().isEmpty() && p->shell.opened().isEmpty());
    }

    void blankAddressOrNoRowUnderTheLastReleaseDoesNothing() {
        openFormPage();
        const QString before = homePageFile();
        p->click(m_blank, {}, true);
        QTest::keyClick(w()->lvwSites, Qt::Key_Enter);
        // Released below the rows: Enter on a selected row does nothing until the next release on a row.
        const QRect viewport = w()->lvwSites->viewport()->rect();
        QTest::mouseClick(w()->lvwSites->viewport(), Qt::LeftButton, {}, QPoint(10, viewport.bottom() - 2));
        SiteRow::SelectAndShow(w()->lvwSites, p->row(m_noLogin));
        QTest::keyClick(w()->lvwSites, Qt::Key_Return);
        QCOMPARE(homePageFile(), before);
        QCOMPARE(p->tag(4), QString("me"));
        QVERIFY(p->boxes.shown().isEmpty());
        QVERIFY(m_interceptor.requested.isEmpty());
    }

    void homePageCommandsTellWhatIsMissing() {
        w()->lvwSites->clearSelection();
        w()->OpenSiteHome();
        w()->VisitSiteHomeInExternal();
        QVERIFY(p->boxes.shown().isEmpty());
        for (const qint32 site : {m_blank, m_noScheme}) { // null home page, empty home page
            select(site);
            w()->OpenSiteHome();
            w()->VisitSiteHomeInExternal();
        }
        QCOMPARE(p->boxes.texts(),
                 (QStringList{"No home page specified for this pad site", "No home page specified for this pad site",
                              "PAD site url not found!"}));
        QVERIFY(p->shell.opened().isEmpty());
        select(m_noLogin);
        w()->VisitSiteHomeInExternal();
        QCOMPARE(p->shell.targets(), QStringList{"http://www.home.example"});
        select(m_form);
        w()->OpenSiteHome();
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Second"), kLoadTimeout);

        // A site deleted since the list was built still opens from its row, but has no home page.
        p->boxes.clear();
        p->dir.sql("DELETE FROM tab_sites WHERE siteID = ?", {m_noLogin});
        p->click(m_noLogin, {}, true);
        QVERIFY(requested("http://nologin.example.invalid/"));
        w()->OpenSiteHome();
        w()->VisitSiteHomeInExternal();
        QCOMPARE(p->boxes.texts(), QStringList({"Error: no record found", "Error: no record found"}));
        QCOMPARE(p->shell.opened().size(), 1);
    }

    void progressAndStatusFollowTheBrowser() {
        const auto shows = [this](int progress, int progressMax) {
            emit w()->webSite->ProgressChange(progress, progressMax);
            return w()->lblProgress->text() +
                   (w()->ProgressBar1->isHidden() ? QString() : QString(" %1").arg(w()->ProgressBar1->value()));
        };
        QCOMPARE(shows(250, 1000), QString("Loading 25% 25"));
        QCOMPARE(shows(2000, 1000), QString("Loading 100% 25")); // beyond the end: the bar keeps its value
        QCOMPARE(shows(1000, 1000), QString("Done"));
        QCOMPARE(shows(INT_MAX, INT_MAX), QString("Done")); // no overflow on the way
        QCOMPARE(shows(-1, 100), QString("Done"));
        emit w()->webSite->StatusTextChange("http://x.example/a b'c");
        QCOMPARE(w()->txtWebStatusBar->text(), QString("http://x.example/a b'c"));

        // Real loads end the same way, a failed one too.
        for (const char* name : {"submit.html", "missing.html"}) {
            w()->lblProgress->clear();
            w()->webSite->Navigate(page(name));
            QTRY_COMPARE_WITH_TIMEOUT(w()->lblProgress->text(), QString("Done"), kLoadTimeout);
            QVERIFY(w()->ProgressBar1->isHidden());
        }
    }

    void backAndForwardMoveQuietly() {
        QTest::mouseClick(w()->cmdGoForward, Qt::LeftButton);
        for (const char* name : {"submit.html", "second.html"}) {
            w()->webSite->Navigate(page(name));
            QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->url(), QUrl::fromLocalFile(page(name)), kLoadTimeout);
        }
        QTest::mouseClick(w()->cmdGoBack, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Submit"), kLoadTimeout);
        QTest::mouseClick(w()->cmdGoForward, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Second"), kLoadTimeout);
        QTest::mouseClick(w()->cmdGoForward, Qt::LeftButton);
        QVERIFY(evaluate("return 1;").isValid());
        QCOMPARE(w()->webSite->title(), QString("Second"));
        QVERIFY(p->boxes.shown().isEmpty());
    }

    void popUpsAreBlockedOrAskedByTheSetting() {
        openFormPage();
        const int windows = QApplication::topLevelWidgets().size();
        QVERIFY(evaluate("openPopup(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.texts(), QStringList{kBlocked}, kLoadTimeout);
        // The home page's own link is a pop-up too.
        w()->cmdHome_Click();
        QTRY_COMPARE_WITH_TIMEOUT(evaluate("return document.querySelectorAll('a[target]').length;"), QVariant(1),
                                  kLoadTimeout);
        QVERIFY(evaluate("document.querySelector('a[target]').click(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.texts(), QStringList({kBlocked, kBlocked}), kLoadTimeout);

        gPopUpBlock = 1;
        p->boxes.clear();
        openFormPage();
        p->boxes.answer(Msg::Answer::Yes);
        QVERIFY(evaluate("openPopup(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.shown().size(), 1, kLoadTimeout);
        // Yes blocks, so the question must ask for blocking.
        QCOMPARE(p->boxes.texts(), QStringList{"This site is trying to open a POPUP window. Block it?"});
        QCOMPARE(p->boxes.shown().first().buttons, Msg::Buttons::YesNo);
        QVERIFY(evaluate("return 1;").isValid());
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        p->boxes.answer(Msg::Answer::No);
        QVERIFY(evaluate("openPopup(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::topLevelWidgets().size(), windows + 1, kLoadTimeout);
        QCOMPARE(w()->webSite->title(), QString("Submit"));
    }

    void fillAndPasteButtonsWriteTheProductsValues() {
        p->chooseProduct("Tool");
        openFormPage();
        QTest::mouseClick(w()->cmdMagic, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("regnow"), QString("R-1"), kLoadTimeout);
        QCOMPARE(valueOf("pad"), QString("http://x.example/pad.xml"));
        QCOMPARE(valueOf("title"), QString());

        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("before");
        QTest::mouseClick(w()->cmdPADurl[2], Qt::LeftButton); // the focus is on no field
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.texts(), QStringList{kSelectTextbox}, kLoadTimeout);
        QCOMPARE(clipboard->text(), QString("before"));
        QVERIFY(focus("notes"));
        QTest::mouseClick(w()->cmdPADurl[2], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("notes"), QString("Ann"), kLoadTimeout);
        QCOMPARE(clipboard->text(), QString("Ann"));
        QVERIFY(focus("title"));
        QTest::mouseClick(w()->cmdPADurl[5], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("title"), QString("pw"), kLoadTimeout);
        QCOMPARE(p->boxes.shown().size(), 1);
        // The password goes on the clipboard marked secret, and no widget keeps it where tools could read it.
        QCOMPARE(clipboard->mimeData()->data("x-kde-passwordManagerHint"), QByteArray("secret"));
        for (const QWidget* widget : w()->findChildren<QWidget*>()) {
            QStringList texts{widget->toolTip(), widget->accessibleName(), widget->accessibleDescription(),
                              widget->statusTip(), widget->whatsThis()};
            for (const QByteArray& name : widget->dynamicPropertyNames())
                texts << widget->property(name).toString();
            QVERIFY2(!texts.contains("pw"), qPrintable(widget->objectName()));
        }
    }

    void otherElementsPasteReadsTheChosenColumn() {
        w()->cmdPaste_Click(); // no product: the drop-down is empty
        QCOMPARE(p->boxes.texts(), QStringList{"Nothing selected"});

        p->chooseProduct("Tool");
        openFormPage();
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("before");
        // Nothing is chosen for the user: a paste without a choice writes nothing.
        QVERIFY(focus("title"));
        p->boxes.clear();
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        QCOMPARE(p->boxes.texts(), QStringList{"Nothing selected"});
        QCOMPARE(valueOf("title"), QString());
        w()->cboPad->setCurrentText("ShortDescription");
        p->boxes.clear();
        QVERIFY(focus("notes")); // a text area is not taken
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.texts(), QStringList{kSelectTextbox}, kLoadTimeout);
        QCOMPARE(valueOf("notes"), QString());
        QCOMPARE(clipboard->text(), QString("before"));
        QVERIFY(focus("title"));
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("title"), QString("Short \"one\"second line"), kLoadTimeout);
        QCOMPARE(clipboard->text(), QString("Short \"one\"\nsecond line"));

        // A field without a value says so and leaves the page and the clipboard alone.
        w()->cboPad->setCurrentText("LongDescription");
        p->boxes.clear();
        clipboard->setText("kept");
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        QCOMPARE(p->boxes.texts(),
                 QStringList{"LongDescription is empty for this product: there is nothing to paste."});
        QCOMPARE(clipboard->text(), QString("kept"));
        QCOMPARE(valueOf("title"), QString("Short \"one\"second line"));
    }

    void resetAsksFirst() {
        openFormPage();
        QVERIFY(evaluate("document.getElementById('title').value = 'typed'; return 1;").isValid());
        p->boxes.answer(Msg::Answer::No);
        QTest::mouseClick(w()->cmdResetForm, Qt::LeftButton);
        QCOMPARE(p->boxes.texts(), QStringList{"Are you sure you want to clear form text? "});
        QCOMPARE(p->boxes.shown().first().defaultButton, Msg::Answer::No);
        QCOMPARE(valueOf("title"), QString("typed"));
        p->boxes.answer(Msg::Answer::Yes);
        QTest::mouseClick(w()->cmdResetForm, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("title"), QString(), kLoadTimeout);
    }
};

QUILL_TEST_MAIN(tst_BrowserCommands)
#include "tst_BrowserCommands.moc"
