#include "WebBrowser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

#include <memory>
#include <optional>

namespace {

// Generous for a busy machine; a failing QTRY waits three times this long before it reports.
constexpr int loadTimeout = 15000;

// The answer of a RunScript call, or nothing when none came.
std::optional<QVariant> evaluate(WebBrowser& browser, const QString& body, const QVariantList& args = {}) {
    // Shared, so that an answer arriving after the wait gave up has somewhere to go.
    auto result = std::make_shared<std::optional<QVariant>>();
    browser.RunScript(body, args, [result](const QVariant& value) { *result = value; });
    if (!QTest::qWaitFor([&result] { return result->has_value(); }, loadTimeout))
        return std::nullopt;
    return *result;
}

bool navigateAndWait(WebBrowser& browser, const QString& address) {
    QSignalSpy finished(browser.page(), &QWebEnginePage::loadFinished);
    browser.Navigate(address);
    return finished.wait(loadTimeout) && finished.first().first().toBool();
}

QList<QWidget*> visibleWindows() {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            windows << widget;
    return windows;
}

QWidget* windowTitled(const QString& title) {
    for (QWidget* widget : visibleWindows())
        if (widget->windowTitle() == title)
            return widget;
    return nullptr;
}

// Answers every modal dialog with a close, so that a dialog that should not have appeared fails the test
// instead of blocking it.
class DialogWatch final {
public:
    DialogWatch() {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                ++m_seen;
                dialog->close();
            }
        });
        m_timer.start(10);
    }
    int seen() const { return m_seen; }

private:
    QTimer m_timer;
    int m_seen = 0;
};

class BlockingInterceptor final : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        requested << info.requestUrl();
        info.block(true);
    }
    QList<QUrl> requested;
};

} // namespace

class tst_WebBrowser final : public QObject {
    Q_OBJECT

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void initTestCase();

    void loadingReportsProgressAndEndsWithMinusOne();
    void navigateTakesAddressesAsStored();
    void historyMovesAndIgnoresMissingEnds();
    void hoveringLinkReportsItsAddress();

    void popupOpensOnlyWhenHandlerAllows_data();
    void popupOpensOnlyWhenHandlerAllows();

    void silentModeAnswersDialogsWithCancel();

    void runScriptPassesValuesIntact();
    void runScriptSurvivesThrowingScripts();
    void runScriptAnswersLaterAndNeverAfterDestruction();
    void setFieldValueReachesPageListeners();

private:
    QString page(const QString& name) const { return m_dir.filePath(name); }
    void writePage(const QString& name, const QByteArray& html);

    QTemporaryDir m_dir;
};

void tst_WebBrowser::writePage(const QString& name, const QByteArray& html) {
    QFile file(page(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<!DOCTYPE html><html><head><meta charset=\"utf-8\">" + html + "</html>");
}

void tst_WebBrowser::initTestCase() {
    QVERIFY(m_dir.isValid());
    writePage("plain.html", "<title>Plain</title></head><body><p>plain</p></body>");
    writePage("second #2.html", "<title>Second</title></head><body><p>second</p></body>");
    writePage("link.html", "<title>Link</title></head><body style=\"margin:0\">"
                           "<a id=\"link\" href=\"plain.html\" style=\"position:absolute;left:40px;top:40px;"
                           "width:200px;height:100px;display:block\">plain</a></body>");
    writePage("opener.html", "<title>Opener</title></head><body>"
                             "<a id=\"blank\" href=\"popup.html\" target=\"_blank\">pop-up</a>"
                             "<script>function openPopup() { window.open('popup.html', 'pop', "
                             "'width=420,height=320'); }</script></body>");
    writePage("popup.html", "<title>Popup page</title></head><body><p>pop-up</p>"
                            "<script>function openAnother() { window.open('plain.html'); }</script></body>");
    writePage("throws.html", "<title>Throws</title><script>throw new Error('broken site');</script></head>"
                             "<body><p>still here</p></body>");
    writePage("form.html", R"(<title>Form</title></head><body>
<input id="name"><textarea id="description"></textarea>
<select id="os"><option value="win">Windows</option><option value="lin">Linux</option></select>
<p id="echo"></p>
<script>
var log = [];
document.addEventListener('input', function (e) { log.push('input:' + e.target.id); });
document.addEventListener('change', function (e) { log.push('change:' + e.target.id); });
var nameField = document.getElementById('name');
var nativeValue = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value').get;
nameField.addEventListener('input', function () {
    document.getElementById('echo').textContent = nativeValue.call(nameField);
});
// Like a framework that tracks edits: the element's own value property swallows plain writes.
Object.defineProperty(nameField, 'value', {
    get: function () { return 'tracked'; },
    set: function (v) { log.push('tracker:' + v); },
    configurable: true
});
</script></body>)");
}

void tst_WebBrowser::loadingReportsProgressAndEndsWithMinusOne() {
    WebBrowser browser;
    QSignalSpy progress(&browser, &WebBrowser::ProgressChange);
    browser.Navigate(page("plain.html"));
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().first().toInt() == -1, loadTimeout);

    QList<int> values;
    for (const QList<QVariant>& arguments : progress) {
        QCOMPARE(arguments.at(1).toInt(), 100);
        values << arguments.at(0).toInt();
    }
    QVERIFY2(values.size() > 1, "no progress before the end");
    for (int i = 0; i < values.size() - 1; ++i)
        QVERIFY2(values.at(i) >= 0 && values.at(i) <= 100, qPrintable(QString::number(values.at(i))));
    QCOMPARE(evaluate(browser, "return document.title;").value_or(QVariant()).toString(), "Plain");
    QCOMPARE(progress.last().first().toInt(), -1);

    // A load that fails ends the same way.
    progress.clear();
    browser.Navigate(page("missing.html"));
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().first().toInt() == -1, loadTimeout);
}

void tst_WebBrowser::navigateTakesAddressesAsStored() {
    WebBrowser browser;

    // A path, not an address with a fragment.
    QVERIFY(navigateAndWait(browser, page("second #2.html")));
    QCOMPARE(browser.title(), "Second");

    BlockingInterceptor interceptor;
    QWebEngineProfile* profile = browser.page()->profile();
    profile->setUrlRequestInterceptor(&interceptor);
    const auto uninstall = qScopeGuard([profile] { profile->setUrlRequestInterceptor(nullptr); });
    QSignalSpy progress(&browser, &WebBrowser::ProgressChange);
    browser.Navigate("  pad.example.invalid/submit.php?id=7 ");
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().first().toInt() == -1, loadTimeout);
    QVERIFY(!interceptor.requested.isEmpty());
    QCOMPARE(interceptor.requested.first(), QUrl("http://pad.example.invalid/submit.php?id=7"));
}

void tst_WebBrowser::historyMovesAndIgnoresMissingEnds() {
    WebBrowser browser;
    QSignalSpy started(&browser, &QWebEngineView::loadStarted);
    browser.GoBack();
    browser.GoForward();
    QVERIFY(evaluate(browser, "return 1;"));
    QCOMPARE(started.count(), 0);

    QVERIFY(navigateAndWait(browser, page("plain.html")));
    QVERIFY(navigateAndWait(browser, page("second #2.html")));
    browser.GoBack();
    QTRY_COMPARE_WITH_TIMEOUT(browser.title(), "Plain", loadTimeout);
    browser.GoBack();
    browser.GoForward();
    QTRY_COMPARE_WITH_TIMEOUT(browser.title(), "Second", loadTimeout);

    started.clear();
    browser.GoForward();
    QVERIFY(evaluate(browser, "return 1;"));
    QCOMPARE(started.count(), 0);
    QCOMPARE(browser.title(), "Second");
}

void tst_WebBrowser::hoveringLinkReportsItsAddress() {
    WebBrowser browser;
    browser.resize(400, 300);
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QVERIFY(navigateAndWait(browser, page("link.html")));

    const auto box = evaluate(browser, "var r = document.getElementById('link').getBoundingClientRect();"
                                       "return [r.left + r.width / 2, r.top + r.height / 2];");
    QVERIFY(box);
    const QVariantList centre = box->toList();
    QCOMPARE(centre.size(), 2);
    QWidget* surface = browser.focusProxy();
    QVERIFY(surface);

    QSignalSpy status(&browser, &WebBrowser::StatusTextChange);
    QTest::mouseMove(surface, QPoint(centre.at(0).toInt(), centre.at(1).toInt()));
    QVERIFY(status.wait(loadTimeout));
    QCOMPARE(status.last().first().toString(), QUrl::fromLocalFile(page("plain.html")).toString());

    QTest::mouseMove(surface, QPoint(5, 250));
    QTRY_VERIFY_WITH_TIMEOUT(status.last().first().toString().isEmpty(), loadTimeout);
}

void tst_WebBrowser::popupOpensOnlyWhenHandlerAllows_data() {
    QTest::addColumn<QString>("opening");
    QTest::newRow("window.open") << "openPopup();";
    QTest::newRow("target=_blank") << "document.getElementById('blank').click();";
}

void tst_WebBrowser::popupOpensOnlyWhenHandlerAllows() {
    QFETCH(QString, opening);
    WebBrowser browser;
    browser.setSilent(true);
    QVERIFY(navigateAndWait(browser, page("opener.html")));
    int asked = 0;
    bool refuse = true;
    connect(&browser, &WebBrowser::NewWindow2, this, [&asked, &refuse](bool& cancel) {
        ++asked;
        cancel = refuse;
    });
    const auto windowsBefore = visibleWindows();

    QVERIFY(evaluate(browser, opening + "return 1;"));
    QTRY_COMPARE_WITH_TIMEOUT(asked, 1, loadTimeout);
    QVERIFY(evaluate(browser, "return 1;"));
    QCOMPARE(visibleWindows(), windowsBefore);

    refuse = false;
    QVERIFY(evaluate(browser, opening + "return 1;"));
    QTRY_VERIFY_WITH_TIMEOUT(windowTitled("Popup page"), loadTimeout);
    QPointer<QWidget> window = windowTitled("Popup page");
    QVERIFY(window->isWindow());
    QCOMPARE(browser.title(), "Opener");
    auto* popup = window->findChild<WebBrowser*>();
    QVERIFY(popup);
    QCOMPARE(popup->url(), QUrl::fromLocalFile(page("popup.html")));
    QVERIFY(popup->Silent());

    // The pop-up's own pop-ups ask the opener's handler.
    refuse = true;
    QVERIFY(evaluate(*popup, "openAnother(); return 1;"));
    QTRY_COMPARE_WITH_TIMEOUT(asked, 3, loadTimeout);
    QCOMPARE(visibleWindows().size(), windowsBefore.size() + 1);

    // A pop-up closing itself takes its window along.
    popup->RunScript("window.close();", {}, {});
    QTRY_VERIFY_WITH_TIMEOUT(!window, loadTimeout);
}

void tst_WebBrowser::silentModeAnswersDialogsWithCancel() {
    WebBrowser browser;
    browser.setSilent(true);
    QVERIFY(browser.Silent());
    QVERIFY(navigateAndWait(browser, page("plain.html")));

    DialogWatch watch;
    const auto answers = evaluate(browser, "alert('a'); return [confirm('b'), prompt('c', 'd')];");
    QVERIFY(answers);
    const QVariantList list = answers->toList();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list.at(0), QVariant(false));
    QVERIFY(list.at(1).isNull());
    QCOMPARE(watch.seen(), 0);

    browser.setSilent(false);
    QVERIFY(!browser.Silent());
}

void tst_WebBrowser::runScriptPassesValuesIntact() {
    WebBrowser browser;
    QVERIFY(navigateAndWait(browser, page("plain.html")));

    const QStringList hostile = {
        "it's \"quoted\"",
        "back\\slash\\",
        "</script><script>window.injected = true;</script>",
        "line one\nline two\r\n\ttabbed",
        QString::fromUtf8("Grüße 日本 \u2028\u2029 😀"),
        "%1 %2 $& $1 ${x}",
        "'); window.injected = true; ('",
    };
    QVariantList args;
    for (const QString& value : hostile)
        args << value;
    args << 42 << true << QVariantMap{{"key", "value"}};

    const auto echoed = evaluate(browser, "return Array.prototype.slice.call(arguments);", args);
    QVERIFY(echoed);
    const QVariantList list = echoed->toList();
    QCOMPARE(list.size(), args.size());
    for (int i = 0; i < hostile.size(); ++i)
        QCOMPARE(list.at(i).toString(), hostile.at(i));
    QCOMPARE(list.at(hostile.size()).toDouble(), 42.0);
    QCOMPARE(list.at(hostile.size() + 1).toBool(), true);
    QCOMPARE(list.at(hostile.size() + 2).toMap().value("key").toString(), "value");

    // Values written into the page arrive as they were, and none of them ran as script.
    const auto written = evaluate(browser,
                                  "var p = document.createElement('p'); p.textContent = arguments[0];"
                                  "document.body.appendChild(p); return [p.textContent, !!window.injected];",
                                  {hostile.at(2)});
    QVERIFY(written);
    QCOMPARE(written->toList(), QVariantList({hostile.at(2), false}));

    // A body containing text that looks like placeholders is left alone.
    QCOMPARE(evaluate(browser, "return '%1' + arguments.length; // trailing comment", {"x"}).value_or(QVariant()),
             QVariant("%11"));
}

void tst_WebBrowser::runScriptSurvivesThrowingScripts() {
    WebBrowser browser;
    QVERIFY(navigateAndWait(browser, page("throws.html")));

    for (const QString& body :
         {QString("throw new Error('boom');"), QString("return missingName.property;"), QString("return (;")}) {
        const auto result = evaluate(browser, body);
        QVERIFY2(result, qPrintable(body));
        QVERIFY2(!result->isValid(), qPrintable(body));
    }
    QCOMPARE(evaluate(browser, "return document.title;").value_or(QVariant()).toString(), "Throws");
}

void tst_WebBrowser::runScriptAnswersLaterAndNeverAfterDestruction() {
    auto browser = std::make_unique<WebBrowser>();
    bool answered = false;
    browser->RunScript("return 1;", {}, [&answered](const QVariant&) { answered = true; });
    QVERIFY2(!answered, "answered from inside RunScript");
    QTRY_VERIFY_WITH_TIMEOUT(answered, loadTimeout);

    QVERIFY(navigateAndWait(*browser, page("plain.html")));
    answered = false;
    browser->RunScript("return 1;", {}, [&answered](const QVariant&) { answered = true; });
    browser.reset();
    // Another browser's round trip gives a stray answer for the destroyed one time to turn up.
    WebBrowser other;
    QVERIFY(navigateAndWait(other, page("plain.html")));
    QVERIFY(evaluate(other, "return 1;"));
    QVERIFY(!answered);
}

void tst_WebBrowser::setFieldValueReachesPageListeners() {
    WebBrowser browser;
    QVERIFY(navigateAndWait(browser, page("form.html")));
    const QString set = "return __quillSetValue(document.getElementById(arguments[0]), arguments[1]);";

    const QString greeting = QString::fromUtf8("Grüße \"日本\" </script>");
    QCOMPARE(evaluate(browser, set, {"name", greeting}).value_or(QVariant()), QVariant(true));
    QCOMPARE(evaluate(browser, "return document.getElementById('echo').textContent;").value_or(QVariant()),
             QVariant(greeting));

    QCOMPARE(evaluate(browser, set, {"description", "A long\ndescription"}).value_or(QVariant()), QVariant(true));
    QCOMPARE(evaluate(browser, set, {"os", "lin"}).value_or(QVariant()), QVariant(true));
    const auto state = evaluate(browser, "return [document.getElementById('description').value,"
                                         "document.getElementById('os').value, log.join(' ')];");
    QVERIFY(state);
    QCOMPARE(state->toList(),
             QVariantList({"A long\ndescription", "lin",
                           "input:name change:name input:description change:description input:os change:os"}));

    QCOMPARE(evaluate(browser, set, {"nowhere", "x"}).value_or(QVariant()), QVariant(false));
}

QTEST_MAIN(tst_WebBrowser)
#include "tst_WebBrowser.moc"
