#include "FormFiller.h"
#include "WebBrowser.h"

#include <QBuffer>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

#include <memory>
#include <optional>

using FormFiller::FocusedField;
using FormFiller::PasteTarget;

namespace {

constexpr int loadTimeout = 15000;

// Waits for the one answer an asynchronous call gives; nothing when none came.
template <class T, class Start> std::optional<T> answerOf(Start start) {
    auto result = std::make_shared<std::optional<T>>();
    start([result](const T& value) { *result = value; });
    if (!QTest::qWaitFor([&result] { return result->has_value(); }, loadTimeout))
        return std::nullopt;
    return *result;
}

std::optional<QVariant> evaluate(WebBrowser& browser, const QString& body, const QVariantList& args = {}) {
    return answerOf<QVariant>([&](auto done) { browser.RunScript(body, args, done); });
}

QVariant valueOf(WebBrowser& browser, const QString& id) {
    return evaluate(browser, "var e = document.getElementById(arguments[0]); return e ? e.value : null;", {id})
        .value_or(QVariant());
}

// The answer of a fill or a clear: outer empty when none came, inner empty when the page ran no script.
using Count = std::optional<std::optional<int>>;
const Count kNoScript(std::in_place);
Count counted(int n) {
    return Count(std::in_place, n);
}

Count autoFill(WebBrowser& browser, const FormFiller::AutoFillValues& values) {
    return answerOf<std::optional<int>>([&](auto done) { FormFiller::AutoFill(browser, values, done); });
}

std::optional<FocusedField> writeFocused(WebBrowser& browser, PasteTarget target, const std::optional<QString>& value) {
    return answerOf<FocusedField>([&](auto done) { FormFiller::WriteFocusedField(browser, target, value, done); });
}

bool focus(WebBrowser& browser, const QString& id) {
    return evaluate(browser,
                    "var e = document.getElementById(arguments[0]); e.focus();"
                    "return document.activeElement === e;",
                    {id})
        .value_or(false)
        .toBool();
}

bool navigateAndWait(WebBrowser& browser, const QString& address) {
    QSignalSpy finished(browser.page(), &QWebEnginePage::loadFinished);
    browser.Navigate(address);
    return finished.wait(loadTimeout) && finished.first().first().toBool();
}

// Serves "held:" addresses: known paths at once, any other one only when the test releases it, so that a page
// can be kept loading for as long as a test needs.
class HeldScheme final : public QWebEngineUrlSchemeHandler {
public:
    void requestStarted(QWebEngineUrlRequestJob* job) override {
        const QString path = job->requestUrl().path();
        if (served.contains(path))
            reply(job, served.value(path));
        else
            held = job;
    }
    void release(const QByteArray& content) {
        if (held)
            reply(held, content);
        held.clear();
    }

    QMap<QString, QByteArray> served;
    QPointer<QWebEngineUrlRequestJob> held;

private:
    static void reply(QWebEngineUrlRequestJob* job, const QByteArray& content) {
        auto* buffer = new QBuffer(job);
        buffer->setData(content);
        buffer->open(QIODevice::ReadOnly);
        job->reply(job->requestUrl().path().endsWith(".js") ? "text/javascript" : "text/html", buffer);
    }
};

const QByteArray kHead = "<!DOCTYPE html><html><head><meta charset=\"utf-8\">";

// Every field written by a script lands in `mirror`, the way a site's framework tracks its form.
const QByteArray kMirror = "<script>var mirror = {}; document.addEventListener('input', function (e) {"
                           " mirror[e.target.id] = e.target.value; });</script>";

} // namespace

class tst_FormFiller final : public QObject {
    Q_OBJECT

public:
    static void initMain() {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        QWebEngineUrlScheme scheme("held");
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
        QWebEngineUrlScheme::registerScheme(scheme);
    }

private slots:
    void initTestCase();

    void autoFillFollowsTheNameRule();
    void autoFillWritesHostileValuesAsText();
    void autoFillWithoutPadUrlEmptiesPadFields();
    void autoFillLeavesPagesWithoutInputsAndFramesAlone();
    void autoFillStopsQuietlyWhenThePageRunsNoScript();
    void autoFillWorksOnTheDocumentShownWhileLoading();

    void pasteWritesOnlyIntoAcceptedFocus();
    void pasteReportsFieldsThatRefuseAValue();
    void pasteWithoutValueOnlyTestsTheFocus();

    void clearKeepsAllButTextInputs();

    void otherElementsMapToProductColumns();

private:
    QString page(const QString& name) const { return m_dir.filePath(name); }
    void writePage(const QString& name, const QByteArray& body);

    QTemporaryDir m_dir;
    HeldScheme m_scheme;
};

void tst_FormFiller::writePage(const QString& name, const QByteArray& body) {
    QFile file(page(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kHead + "</head><body>" + body + "</body></html>");
}

void tst_FormFiller::initTestCase() {
    QVERIFY(m_dir.isValid());
    QWebEngineProfile::defaultProfile()->installUrlSchemeHandler("held", &m_scheme);
    writePage("form.html", kMirror + R"(<form>
<input id="padurl" name="padurl" value="old">
<input id="file" name="pad_file" type="file">
<input id="padding" name="PADDING_INFO">
<input id="padmail" name="PAD_MAIL">
<input id="email" name="user_email" type="email">
<input id="regnow" name="RegNow_ID">
<input id="affiliate" name="affiliateId">
<input id="category" name="module_catalog_form_submit_software_PAD_1_category_id" value="7">
<input id="unnamed" value="keep">
<textarea id="padtext" name="pad_text">keep</textarea>
<select id="padselect" name="pad_select"><option value="keep">keep</option></select>
<input id="hidden" name="pad_hidden" type="hidden" value="keep">
<input id="check" name="mail_opt" type="checkbox" value="keep">
<input id="title" name="title" value="keep">
<input id="password" name="password" type="password" value="secret">
<input id="upper" name="login" type="TEXT" value="typed">
<input id="search" name="q" type="search" value="query">
<input id="submit" name="send" type="submit" value="Send">
</form>)");
    writePage("empty.html", "<p>no fields</p>");
    writePage("frame.html", R"(<input id="top" name="padurl">
<iframe id="inner" srcdoc="<input id='framed' name='padurl' value='keep'>"></iframe>)");
    writePage("hostile.html", R"(<input id="padurl" name="padurl"><script>
document.getElementsByTagName = function () { throw new Error('no inputs for you'); };
Object.defineProperty(document, 'activeElement', { get: function () { throw new Error('no focus'); } });
</script>)");
    writePage("shown.html", "<input id=\"shown\" name=\"padurl\">");
}

void tst_FormFiller::autoFillFollowsTheNameRule() {
    WebBrowser browser;
    QVERIFY(navigateAndWait(browser, page("form.html")));

    const auto written = autoFill(browser, {"http://x.example/pad.xml", "me@x.example", "R-1"});
    QVERIFY(written);
    QCOMPARE(written->value_or(-1), 9);

    const QString pad = "http://x.example/pad.xml";
    const QList<QPair<QString, QString>> expected = {
        {"padurl", pad},     {"padding", pad},       {"padmail", pad}, {"email", "me@x.example"},
        {"regnow", "R-1"},   {"affiliate", "R-1"},   {"category", ""}, {"unnamed", "keep"},
        {"padtext", "keep"}, {"padselect", "keep"},  {"hidden", pad},  {"check", "me@x.example"},
        {"title", "keep"},   {"password", "secret"}, {"file", ""},
    };
    for (const auto& [id, value] : expected)
        QVERIFY2(valueOf(browser, id) == QVariant(value), qPrintable(id + " = " + valueOf(browser, id).toString()));

    // The page's own listeners saw every write, including the emptied category field.
    const auto mirror = evaluate(browser, "return mirror;");
    QVERIFY(mirror);
    const QVariantMap seen = mirror->toMap();
    QCOMPARE(seen.value("padurl").toString(), pad);
    QCOMPARE(seen.value("regnow").toString(), "R-1");
    QVERIFY(seen.contains("category"));
    QVERIFY(!seen.contains("title"));
    QVERIFY(!seen.contains("padtext"));
}

void tst_FormFiller::autoFillWritesHostileValuesAsText() {
    WebBrowser browser;
    QVERIFY(navigateAndWait(browser, page("form.html")));

    const QString hostile =
        QString::fromUtf8("it's \"q\" back\\slash </script><script>window.injected = true;"
                          "</script> '); window.injected = true; (' line\r\nnext Grüße 日本 😀 ${x} %1");
    QVERIFY(autoFill(browser, {hostile, hostile, hostile}));

    // A text field drops line breaks by itself; a hidden field keeps the value exactly.
    QString singleLine = hostile;
    singleLine.remove('\r').remove('\n');
    QCOMPARE(valueOf(browser, "padurl").toString(), singleLine);
    QCOMPARE(valueOf(browser, "regnow").toString(), singleLine);
    QCOMPARE(valueOf(browser, "hidden").toString(), hostile);
    QCOMPARE(evaluate(browser, "return !!window.injected;").value_or(QVariant()), QVariant(false));
}

void tst_FormFiller::autoFillWithoutPadUrlEmptiesPadFields() {
    WebBrowser browser;
    QVERIFY(navigateAndWait(browser, page("form.html")));
    QVERIFY(autoFill(browser, {QString(), "me@x.example", QString()}));
    QCOMPARE(valueOf(browser, "padurl"), QVariant(""));
    QCOMPARE(valueOf(browser, "hidden"), QVariant(""));
    QCOMPARE(valueOf(browser, "regnow"), QVariant(""));
    QCOMPARE(valueOf(browser, "email"), QVariant("me@x.example"));
}

void tst_FormFiller::autoFillLeavesPagesWithoutInputsAndFramesAlone() {
    WebBrowser browser;
    QVERIFY(navigateAndWait(browser, page("empty.html")));
    QCOMPARE(autoFill(browser, {"p", "m", "r"}), counted(0));

    // Only the top document is filled.
    QVERIFY(navigateAndWait(browser, page("frame.html")));
    QTRY_VERIFY_WITH_TIMEOUT(evaluate(browser, "var d = document.getElementById('inner').contentDocument;"
                                               "return !!(d && d.getElementById('framed'));")
                                 .value_or(false)
                                 .toBool(),
                             loadTimeout);
    QCOMPARE(autoFill(browser, {"p", "m", "r"}), counted(1));
    QCOMPARE(valueOf(browser, "top"), QVariant("p"));
    QCOMPARE(evaluate(browser, "return document.getElementById('inner').contentDocument"
                               ".getElementById('framed').value;")
                 .value_or(QVariant()),
             QVariant("keep"));

    // Focus inside a frame is not a text box of the top document.
    QVERIFY(evaluate(browser, "var d = document.getElementById('inner').contentDocument;"
                              "d.getElementById('framed').focus(); return 1;"));
    QCOMPARE(writeFocused(browser, PasteTarget::InputOrTextArea, "x").value_or(FocusedField{}).outcome,
             FocusedField::Outcome::NotATextbox);
}

void tst_FormFiller::autoFillStopsQuietlyWhenThePageRunsNoScript() {
    WebBrowser browser;
    QCOMPARE(autoFill(browser, {"p", "m", "r"}), counted(0)); // nothing loaded yet

    QVERIFY(navigateAndWait(browser, page("hostile.html")));
    QCOMPARE(autoFill(browser, {"p", "m", "r"}), kNoScript);
    QCOMPARE(valueOf(browser, "padurl"), QVariant(""));
    QCOMPARE(writeFocused(browser, PasteTarget::InputOrTextArea, "x").value_or(FocusedField{}).outcome,
             FocusedField::Outcome::NoPage);
    const auto cleared = answerOf<std::optional<int>>([&](auto done) { FormFiller::ClearTextInputs(browser, done); });
    QCOMPARE(cleared, kNoScript);
}

void tst_FormFiller::autoFillWorksOnTheDocumentShownWhileLoading() {
    WebBrowser browser;
    m_scheme.served.insert("/parsing.html", kHead + "</head><body><input id=\"early\" name=\"padurl\">"
                                                    "<script src=\"held:/held.js\"></script>"
                                                    "<input id=\"late\" name=\"padurl\"></body></html>");
    QSignalSpy finished(browser.page(), &QWebEnginePage::loadFinished);

    // The parser waits for the held script: only the fields before it exist yet, and only they are filled.
    browser.Navigate("held:/parsing.html");
    QTRY_VERIFY_WITH_TIMEOUT(m_scheme.held, loadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(valueOf(browser, "early"), QVariant(""), loadTimeout);
    QCOMPARE(autoFill(browser, {"p", "m", "r"}), counted(1));
    QCOMPARE(finished.count(), 0);
    m_scheme.release("");
    QVERIFY(finished.wait(loadTimeout));
    QCOMPARE(valueOf(browser, "early"), QVariant("p"));
    QCOMPARE(valueOf(browser, "late"), QVariant(""));

    // A page not yet arrived leaves the one shown in place, and that one is filled.
    QVERIFY(navigateAndWait(browser, page("shown.html")));
    finished.clear();
    browser.Navigate("held:/never.html");
    QTRY_VERIFY_WITH_TIMEOUT(m_scheme.held, loadTimeout);
    QCOMPARE(autoFill(browser, {"p", "m", "r"}), counted(1));
    QCOMPARE(valueOf(browser, "shown"), QVariant("p"));
    m_scheme.release(kHead + "</head><body>arrived</body></html>");
    QVERIFY(finished.wait(loadTimeout));
}

void tst_FormFiller::pasteWritesOnlyIntoAcceptedFocus() {
    WebBrowser browser;
    QVERIFY(navigateAndWait(browser, page("form.html")));
    const QString value = QString::fromUtf8("multi\nline \"Grüße\" </textarea><b>bold</b>");

    // Nothing focused: the body has the focus.
    QCOMPARE(writeFocused(browser, PasteTarget::InputOrTextArea, value).value_or(FocusedField{}).outcome,
             FocusedField::Outcome::NotATextbox);

    QVERIFY(focus(browser, "padtext"));
    QCOMPARE(writeFocused(browser, PasteTarget::InputOnly, value).value_or(FocusedField{}).outcome,
             FocusedField::Outcome::NotATextbox);
    QCOMPARE(valueOf(browser, "padtext"), QVariant("keep"));
    QCOMPARE(writeFocused(browser, PasteTarget::InputOrTextArea, value).value_or(FocusedField{}).outcome,
             FocusedField::Outcome::Written);
    QCOMPARE(valueOf(browser, "padtext"), QVariant(value));
    QCOMPARE(evaluate(browser, "return mirror.padtext;").value_or(QVariant()), QVariant(value));

    for (const QString& id : {QString("title"), QString("check"), QString("submit")}) {
        QVERIFY(focus(browser, id));
        QCOMPARE(writeFocused(browser, PasteTarget::InputOnly, "pasted").value_or(FocusedField{}).outcome,
                 FocusedField::Outcome::Written);
        QCOMPARE(valueOf(browser, id), QVariant("pasted"));
    }

    QVERIFY(focus(browser, "padselect"));
    QCOMPARE(writeFocused(browser, PasteTarget::InputOrTextArea, "x").value_or(FocusedField{}).outcome,
             FocusedField::Outcome::NotATextbox);
}

void tst_FormFiller::pasteReportsFieldsThatRefuseAValue() {
    WebBrowser browser;
    QVERIFY(navigateAndWait(browser, page("form.html")));
    QVERIFY(focus(browser, "file"));
    const auto field = writeFocused(browser, PasteTarget::InputOnly, "C:\\setup.exe");
    QVERIFY(field);
    QCOMPARE(field->outcome, FocusedField::Outcome::WriteRefused);
    QVERIFY(!field->error.isEmpty());
}

void tst_FormFiller::pasteWithoutValueOnlyTestsTheFocus() {
    WebBrowser browser;
    QVERIFY(navigateAndWait(browser, page("form.html")));
    QVERIFY(focus(browser, "title"));
    QCOMPARE(writeFocused(browser, PasteTarget::InputOnly, std::nullopt).value_or(FocusedField{}).outcome,
             FocusedField::Outcome::Accepted);
    QCOMPARE(valueOf(browser, "title"), QVariant("keep"));
}

void tst_FormFiller::clearKeepsAllButTextInputs() {
    WebBrowser browser;
    QVERIFY(navigateAndWait(browser, page("form.html")));
    const auto cleared = answerOf<std::optional<int>>([&](auto done) { FormFiller::ClearTextInputs(browser, done); });
    QVERIFY(cleared);
    QCOMPARE(cleared->value_or(-1), 9);

    for (const char* id :
         {"padurl", "padding", "padmail", "regnow", "affiliate", "category", "unnamed", "title", "upper"})
        QVERIFY2(valueOf(browser, id) == QVariant(""), qPrintable(id));
    const QList<QPair<QString, QString>> kept = {{"password", "secret"}, {"padtext", "keep"}, {"hidden", "keep"},
                                                 {"check", "keep"},      {"search", "query"}, {"submit", "Send"}};
    for (const auto& [id, value] : kept)
        QVERIFY2(valueOf(browser, id) == QVariant(value), qPrintable(id));
    QCOMPARE(evaluate(browser, "return mirror.upper;").value_or(QVariant()), QVariant(""));
}

void tst_FormFiller::otherElementsMapToProductColumns() {
    const QStringList names = FormFiller::OtherElementNames();
    QCOMPARE(names,
             (QStringList{"Name", "LinkBack", "BuyURL", "Version", "sizeKB", "programURL", "ScreenShot",
                          "ExeDownload_1", "ExeDownload_2", "ShortDescription", "LongDescription", "PaymentShareIt"}));
    for (const QString& name : names)
        QCOMPARE(FormFiller::ProductColumnFor(name).value_or(QString()).toLower(), name.toLower());
    for (const QString& other : {QString(), QString("name"), QString("padURL"), QString("Name FROM tab_sites --")})
        QVERIFY2(!FormFiller::ProductColumnFor(other), qPrintable(other));
}

QTEST_MAIN(tst_FormFiller)
#include "tst_FormFiller.moc"
