#include "Seed.h"
#include "SiteRow.h"
#include "Spies.h"
#include "TestProgramDir.h"
#include "WebBrowser.h"
#include "frmMain.h"
#include "modMain.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

#include <memory>
#include <optional>

namespace {

constexpr int loadTimeout = 15000;

const QString kSelectTextbox = "Please, select the textbox where you want to paste information";

// Hostile on purpose: none of it may run as script or reach the page altered.
const QString kPadUrl = QString::fromUtf8("http://x.example/pad.xml?a=1&b='2'\"</script><script>window.injected=1;"
                                          "</script>\\ Grüße 😀");
const QString kEmail = "o'neil@x.example";
const QString kRegNow = "R-1'); window.injected = 1; ('";

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

QWidget* windowTitled(const QString& title) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowTitle() == title)
            return window;
    return nullptr;
}

QByteArray pageHtml(const QByteArray& title, const QByteArray& body) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title + "</title></head><body>" + body +
           "</body></html>";
}

} // namespace

class tst_BrowserCommands final : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<MsgBoxSpy> m_boxes;
    std::unique_ptr<ShellSpy> m_shell;
    RecordingInterceptor m_interceptor;
    qint32 m_product = 0;
    qint32 m_form = 0;     // submit page: a local form; home page: a local page; log-in data
    qint32 m_blank = 0;    // submit address of blanks; no home page
    qint32 m_noScheme = 0; // submit address without a scheme; empty home page
    qint32 m_noLogin = 0;  // user name of blanks, a password; home page without a scheme

    frmMain* w() const { return gMainWindow; }
    QString page(const char* name) const { return m_dir->filePath(QString::fromLatin1(name)); }

    std::optional<QVariant> evaluate(const QString& body, const QVariantList& args = {}) {
        auto result = std::make_shared<std::optional<QVariant>>();
        w()->webSite->RunScript(body, args, [result](const QVariant& value) { *result = value; });
        if (!QTest::qWaitFor([&result] { return result->has_value(); }, loadTimeout))
            return std::nullopt;
        return *result;
    }
    QVariant valueOf(const QString& id) {
        return evaluate("return document.getElementById(arguments[0]).value;", {id}).value_or(QVariant());
    }
    bool focus(const QString& id) {
        return evaluate(
                   "var e = document.getElementById(arguments[0]); e.focus(); return document.activeElement === e;",
                   {id})
            .value_or(false)
            .toBool();
    }

    QTreeWidgetItem* row(qint32 siteID) const { return SiteRow::FindByKey(w()->lvwSites, SiteRow::KeyFor(siteID)); }
    QPoint centreOf(qint32 siteID) const { return w()->lvwSites->visualItemRect(row(siteID)).center(); }
    void clickRow(qint32 siteID) { QTest::mouseClick(w()->lvwSites->viewport(), Qt::LeftButton, {}, centreOf(siteID)); }
    void doubleClickRow(qint32 siteID) {
        clickRow(siteID);
        QTest::mouseDClick(w()->lvwSites->viewport(), Qt::LeftButton, {}, centreOf(siteID));
    }
    void chooseProduct() {
        const int index = w()->cboProducts->findData(m_product);
        w()->cboProducts->setCurrentIndex(index);
        emit w()->cboProducts->activated(index);
    }
    QString homePageFile() const {
        QFile file(m_dir->filePath("webStart.html"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    QString tag(int button) const { return w()->cmdPADurl[button]->property("Tag").toString(); }
    void openFormPage() {
        doubleClickRow(m_form);
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Submit"), loadTimeout);
    }

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void initTestCase() { QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&m_interceptor); }
    void cleanupTestCase() { QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(nullptr); }

    void init() {
        m_interceptor.requested.clear();
        m_dir = std::make_unique<TestProgramDir>();
        m_dir->writeFile("kwz.ini", "[preferences]\nSitesOrder=1\nPopUpBlock=0\n");
        m_dir->writeFile("submit.html",
                         pageHtml("Submit",
                                  "<input id=\"pad\" name=\"padurl\"><input id=\"email\" name=\"user_email\">"
                                  "<input id=\"regnow\" name=\"RegNow_ID\"><input id=\"title\" name=\"title\">"
                                  "<input id=\"pass\" name=\"pass\" type=\"password\" value=\"secret\">"
                                  "<textarea id=\"notes\" name=\"notes\"></textarea>"
                                  "<script>function openPopup() { window.open('popup.html'); }</script>"));
        m_dir->writeFile("second.html", pageHtml("Second", "<p>second</p>"));
        m_dir->writeFile("popup.html", pageHtml("Popup page", "<p>pop-up</p>"));
        m_dir->writeFile("noscript.html",
                         pageHtml("No script", "<input id=\"pad\" name=\"padurl\"><script>document.getElementsByTagName"
                                               " = function () { throw new Error('refused'); };</script>"));

        m_product = SeedProduct("Tool", {{"padURL", kPadUrl},
                                         {"emailAuthor", kEmail},
                                         {"author", "Ann"},
                                         {"paymentRegNow", kRegNow},
                                         {"shortDescription", "Short \"one\"\nsecond line"}});
        m_form =
            SeedSite(page("submit.html"), {{"userID", "me"}, {"password", "pw"}, {"homePage", page("second.html")}});
        m_blank = SeedSite("   ");
        m_noScheme = SeedSite("pad.example.invalid/submit.php?id=7", {{"homePage", ""}});
        m_noLogin = SeedSite("http://nologin.example.invalid/",
                             {{"userID", "   "}, {"password", "secret"}, {"homePage", "www.home.example"}});
        m_boxes = std::make_unique<MsgBoxSpy>();
        m_shell = std::make_unique<ShellSpy>();
        QVERIFY(Main(m_dir->path()));
        QVERIFY(QTest::qWaitForWindowExposed(w()));
        QTRY_COMPARE_WITH_TIMEOUT(w()->lblProgress->text(), QString("Done"), loadTimeout);
        m_boxes->clear();
        m_shell.reset(); // forgets the maker's site opened at start-up
        m_shell = std::make_unique<ShellSpy>();
    }

    void cleanup() {
        delete gMainWindow;
        gMainWindow = nullptr;
        m_shell.reset();
        m_boxes.reset();
        m_dir.reset();
    }

    void doubleClickAndEnterOpenTheSubmitPageWithItsLogIn() {
        openFormPage();
        QVERIFY(homePageFile().contains("Loading web pad site URL: " + page("submit.html")));
        QVERIFY(w()->cmdPADurl[4]->isEnabled());
        QCOMPARE(tag(4), QString("me"));
        QCOMPARE(tag(5), QString("pw"));

        // A user name of blanks leaves its button empty and disabled.
        clickRow(m_noLogin);
        QTest::keyClick(w()->lvwSites, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(m_interceptor.requested.contains(QUrl("http://nologin.example.invalid/")),
                                 loadTimeout);
        QVERIFY(!w()->cmdPADurl[4]->isEnabled());
        QCOMPARE(tag(4), QString());
        QVERIFY(w()->cmdPADurl[5]->isEnabled());
        QCOMPARE(tag(5), QString("secret"));
        QVERIFY(m_boxes->shown().isEmpty());
        QVERIFY(m_shell->opened().isEmpty());
    }

    void storedAddressReachesTheBrowserAsStored() {
        doubleClickRow(m_noScheme);
        // The browser itself supplies the scheme the stored text lacks.
        QTRY_VERIFY_WITH_TIMEOUT(m_interceptor.requested.contains(QUrl("http://pad.example.invalid/submit.php?id=7")),
                                 loadTimeout);
        QVERIFY(homePageFile().contains("Loading web pad site URL: pad.example.invalid/submit.php?id=7</center>"));
    }

    void blankAddressOrNoRowUnderTheLastReleaseDoesNothing() {
        openFormPage();
        const QString before = homePageFile();

        doubleClickRow(m_blank);
        QTest::keyClick(w()->lvwSites, Qt::Key_Enter);
        QCOMPARE(homePageFile(), before);
        QCOMPARE(tag(4), QString("me"));
        QVERIFY(w()->cmdPADurl[4]->isEnabled());

        // Released below the rows: Enter on a selected row does nothing until the next release on a row.
        const QRect viewport = w()->lvwSites->viewport()->rect();
        QTest::mouseClick(w()->lvwSites->viewport(), Qt::LeftButton, {}, QPoint(10, viewport.bottom() - 2));
        SiteRow::SelectAndShow(w()->lvwSites, row(m_noLogin));
        QTest::keyClick(w()->lvwSites, Qt::Key_Return);
        QCOMPARE(homePageFile(), before);
        QCOMPARE(tag(4), QString("me"));
        QVERIFY(m_boxes->shown().isEmpty());
        QVERIFY(m_interceptor.requested.isEmpty());
    }

    void deletedSiteStillOpensFromTheRowButHasNoHomePage() {
        openFormPage();
        m_dir->sql("DELETE FROM tab_sites WHERE siteID = ?", {m_noLogin});
        doubleClickRow(m_noLogin);
        QTRY_VERIFY_WITH_TIMEOUT(m_interceptor.requested.contains(QUrl("http://nologin.example.invalid/")),
                                 loadTimeout);
        QCOMPARE(tag(4), QString("me"));
        QCOMPARE(tag(5), QString("pw"));

        w()->OpenSiteHome();
        w()->VisitSiteHomeInExternal();
        QCOMPARE(m_boxes->texts(), QStringList({"Error: no record found", "Error: no record found"}));
        QCOMPARE(m_boxes->shown().first().icon, Msg::Icon::Exclamation);
        QVERIFY(m_shell->opened().isEmpty());
    }

    void homePageCommandsTellWhatIsMissing() {
        w()->lvwSites->clearSelection();
        w()->OpenSiteHome();
        w()->VisitSiteHomeInExternal();
        QVERIFY(m_boxes->shown().isEmpty());

        SiteRow::SelectAndShow(w()->lvwSites, row(m_blank)); // null home page
        w()->OpenSiteHome();
        w()->VisitSiteHomeInExternal();
        QCOMPARE(m_boxes->texts(),
                 QStringList({"No home page specified for this pad site", "No home page specified for this pad site"}));
        QCOMPARE(m_boxes->shown().last().icon, Msg::Icon::Exclamation);

        m_boxes->clear();
        w()->lvwSites->clearSelection();
        SiteRow::SelectAndShow(w()->lvwSites, row(m_noScheme)); // empty home page
        w()->OpenSiteHome();
        QCOMPARE(m_boxes->texts(), QStringList{"PAD site url not found!"});
        w()->VisitSiteHomeInExternal();
        QCOMPARE(m_boxes->texts().size(), 1);
        QVERIFY(m_shell->opened().isEmpty());

        w()->lvwSites->clearSelection();
        SiteRow::SelectAndShow(w()->lvwSites, row(m_noLogin));
        w()->VisitSiteHomeInExternal();
        QCOMPARE(m_shell->targets(), QStringList{"http://www.home.example"});

        w()->lvwSites->clearSelection();
        SiteRow::SelectAndShow(w()->lvwSites, row(m_form));
        w()->OpenSiteHome();
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Second"), loadTimeout);
        QCOMPARE(m_boxes->texts().size(), 1);
    }

    void progressAndStatusFollowTheBrowser() {
        WebBrowser* browser = w()->webSite;
        emit browser->ProgressChange(250, 1000);
        QVERIFY(!w()->ProgressBar1->isHidden());
        QCOMPARE(w()->ProgressBar1->value(), 25);
        QCOMPARE(w()->lblProgress->text(), QString("Loading 25%"));
        emit browser->ProgressChange(2000, 1000); // beyond the end: the bar keeps its value
        QCOMPARE(w()->ProgressBar1->value(), 25);
        QCOMPARE(w()->lblProgress->text(), QString("Loading 100%"));
        emit browser->ProgressChange(1000, 1000);
        QVERIFY(w()->ProgressBar1->isHidden());
        QCOMPARE(w()->lblProgress->text(), QString("Done"));

        emit browser->ProgressChange(2147483647, 2147483647); // no overflow on the way
        QCOMPARE(w()->lblProgress->text(), QString("Done"));
        emit browser->ProgressChange(333, 1000);
        QVERIFY(!w()->ProgressBar1->isHidden());
        QCOMPARE(w()->lblProgress->text(), QString("Loading 33%"));
        emit browser->ProgressChange(-1, 100);
        QVERIFY(w()->ProgressBar1->isHidden());
        QCOMPARE(w()->lblProgress->text(), QString("Done"));

        emit browser->StatusTextChange("http://x.example/a b'c");
        QCOMPARE(w()->txtWebStatusBar->text(), QString("http://x.example/a b'c"));

        // A real load ends the same way.
        w()->lblProgress->clear();
        openFormPage();
        QTRY_COMPARE_WITH_TIMEOUT(w()->lblProgress->text(), QString("Done"), loadTimeout);
        QVERIFY(w()->ProgressBar1->isHidden());
    }

    void backAndForwardMoveQuietly() {
        QTest::mouseClick(w()->cmdGoForward, Qt::LeftButton);
        w()->webSite->Navigate(page("submit.html"));
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Submit"), loadTimeout);
        w()->webSite->Navigate(page("second.html"));
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Second"), loadTimeout);
        QTest::mouseClick(w()->cmdGoBack, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Submit"), loadTimeout);
        QTest::mouseClick(w()->cmdGoForward, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Second"), loadTimeout);
        QTest::mouseClick(w()->cmdGoForward, Qt::LeftButton);
        QVERIFY(evaluate("return 1;"));
        QCOMPARE(w()->webSite->title(), QString("Second"));
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void popUpsAreBlockedOrAskedByTheSetting() {
        const QString blocked = "Quillomar Pad Submitter has blocked a PopUp window!";
        openFormPage();
        const int windows = QApplication::topLevelWidgets().size();
        QVERIFY(evaluate("openPopup(); return 1;"));
        QTRY_COMPARE_WITH_TIMEOUT(m_boxes->texts(), QStringList{blocked}, loadTimeout);
        QCOMPARE(m_boxes->shown().last().icon, Msg::Icon::Exclamation);

        // The home page's own link is a pop-up too.
        w()->cmdHome_Click();
        QTRY_VERIFY_WITH_TIMEOUT(
            evaluate("return document.querySelectorAll('a[target]').length;").value_or(0).toInt() == 1, loadTimeout);
        QVERIFY(evaluate("document.querySelector('a[target]').click(); return 1;"));
        QTRY_COMPARE_WITH_TIMEOUT(m_boxes->texts(), QStringList({blocked, blocked}), loadTimeout);

        gPopUpBlock = 1;
        m_boxes->clear();
        openFormPage();
        m_boxes->answer(Msg::Answer::Yes);
        QVERIFY(evaluate("openPopup(); return 1;"));
        QTRY_COMPARE_WITH_TIMEOUT(m_boxes->shown().size(), 1, loadTimeout);
        const MsgBoxRecord asked = m_boxes->shown().first();
        QCOMPARE(asked.text, QString("This site is trying to open a POPUP window. Block it?"));
        QCOMPARE(asked.title, QString("Pop Up warning"));
        QCOMPARE(asked.buttons, Msg::Buttons::YesNo);
        QCOMPARE(asked.icon, Msg::Icon::Exclamation);
        QVERIFY(evaluate("return 1;"));
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);

        m_boxes->answer(Msg::Answer::No);
        QVERIFY(evaluate("openPopup(); return 1;"));
        QTRY_VERIFY_WITH_TIMEOUT(windowTitled("Popup page"), loadTimeout);
        QCOMPARE(m_boxes->shown().size(), 2);
        QCOMPARE(w()->webSite->title(), QString("Submit"));
    }

    void autoFillWritesTheProductsValues() {
        chooseProduct();
        openFormPage();
        QTest::mouseClick(w()->cmdMagic, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("regnow").toString(), kRegNow, loadTimeout);
        QCOMPARE(valueOf("pad").toString(), kPadUrl);
        QCOMPARE(valueOf("email").toString(), kEmail);
        QCOMPARE(valueOf("title").toString(), QString());
        QCOMPARE(valueOf("pass").toString(), QString("secret"));
        QCOMPARE(evaluate("return !!window.injected;").value_or(QVariant()), QVariant(false));

        // A page that runs no script is left alone without a word.
        w()->webSite->Navigate(page("noscript.html"));
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("No script"), loadTimeout);
        QTest::mouseClick(w()->cmdMagic, Qt::LeftButton);
        QVERIFY(evaluate("return 1;")); // answered after the fill's own answer
        QCOMPARE(valueOf("pad").toString(), QString());
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void pasteButtonsWriteIntoTheFocusedFieldAndTheClipboard() {
        chooseProduct();
        openFormPage();
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("before");

        QTest::mouseClick(w()->cmdPADurl[0], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_boxes->texts(), QStringList{kSelectTextbox}, loadTimeout);
        QCOMPARE(m_boxes->shown().first().icon, Msg::Icon::Exclamation);
        QCOMPARE(clipboard->text(), QString("before"));

        QVERIFY(focus("notes"));
        QTest::mouseClick(w()->cmdPADurl[2], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("notes").toString(), QString("Ann"), loadTimeout);
        QCOMPARE(clipboard->text(), QString("Ann"));

        QVERIFY(focus("title"));
        QTest::mouseClick(w()->cmdPADurl[0], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("title").toString(), kPadUrl, loadTimeout);
        QCOMPARE(clipboard->text(), kPadUrl);

        QVERIFY(focus("pass"));
        QTest::mouseClick(w()->cmdPADurl[5], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("pass").toString(), QString("pw"), loadTimeout);
        QCOMPARE(m_boxes->shown().size(), 1);
    }

    void otherElementsPasteReadsTheChosenColumn() {
        w()->cmdPaste_Click(); // no product: the drop-down is empty
        QCOMPARE(m_boxes->texts(), QStringList{"Nothing selected"});
        QCOMPARE(m_boxes->shown().first().icon, Msg::Icon::Exclamation);

        chooseProduct();
        openFormPage();
        QVERIFY(!w()->cboPad->isEditable());
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("before");
        w()->cboPad->setCurrentText("ShortDescription");

        m_boxes->clear();
        QVERIFY(focus("notes"));
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_boxes->texts(), QStringList{kSelectTextbox}, loadTimeout);
        QCOMPARE(valueOf("notes").toString(), QString());
        QCOMPARE(clipboard->text(), QString("before"));

        QVERIFY(focus("title"));
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("title").toString(), QString("Short \"one\"second line"), loadTimeout);
        QCOMPARE(clipboard->text(), QString("Short \"one\"\nsecond line"));

        // A column without a value is a failure; the clipboard has been cleared by then.
        w()->cboPad->setCurrentText("LongDescription");
        m_boxes->clear();
        QTest::mouseClick(w()->cmdPaste, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_boxes->shown().size(), 1, loadTimeout);
        QVERIFY2(m_boxes->texts().first().startsWith("Error in cmdPaste_Clic: "), qPrintable(m_boxes->texts().first()));
        QCOMPARE(m_boxes->shown().first().icon, Msg::Icon::Critical);
        QCOMPARE(clipboard->text(), QString());
        QCOMPARE(valueOf("title").toString(), QString("Short \"one\"second line"));
    }

    void resetAsksThenEmptiesTextFieldsOnly() {
        openFormPage();
        QVERIFY(evaluate("document.getElementById('title').value = 'typed';"
                         "document.getElementById('notes').value = 'kept'; return 1;"));
        m_boxes->answer(Msg::Answer::No);
        QTest::mouseClick(w()->cmdResetForm, Qt::LeftButton);
        const MsgBoxRecord asked = m_boxes->shown().first();
        QCOMPARE(asked.text, QString("Are you sure you want to clear form text? "));
        QCOMPARE(asked.title, QString("Clear form text"));
        QCOMPARE(asked.buttons, Msg::Buttons::YesNo);
        QCOMPARE(asked.icon, Msg::Icon::Question);
        QCOMPARE(asked.defaultButton, Msg::Answer::No);
        QCOMPARE(valueOf("title").toString(), QString("typed"));

        m_boxes->answer(Msg::Answer::Yes);
        QTest::mouseClick(w()->cmdResetForm, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf("title").toString(), QString(), loadTimeout);
        QCOMPARE(valueOf("pass").toString(), QString("secret"));
        QCOMPARE(valueOf("notes").toString(), QString("kept"));
    }
};

QTEST_MAIN(tst_BrowserCommands)
#include "tst_BrowserCommands.moc"
