#include "FormFiller.h"
#include "PageScripts.h"
#include "TestMain.h"
#include "WebBrowser.h"

#include <QBuffer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

using FormFiller::FocusedField;
using FormFiller::PasteTarget;
using Outcome = FocusedField::Outcome;

namespace {

// The answer of a fill or a clear: outer empty when none came, inner empty when the page ran no script.
using Count = std::optional<std::optional<int>>;
const Count kNoScript(std::in_place);
Count counted(int n) {
    return Count(std::in_place, n);
}

Count autoFill(WebBrowser& browser, const FormFiller::AutoFillValues& values = {"p", "m", "r"}) {
    return AnswerOf<std::optional<int>>([&](auto done) { FormFiller::AutoFill(browser, values, done); });
}

Count clear(WebBrowser& browser) {
    return AnswerOf<std::optional<int>>([&](auto done) { FormFiller::ClearTextInputs(browser, done); });
}

FocusedField writeFocused(WebBrowser& browser, PasteTarget target, const QString& value) {
    return AnswerOf<FocusedField>([&](auto done) { FormFiller::WriteFocusedField(browser, target, value, done); })
        .value_or(FocusedField{Outcome::NoPage, "no answer"});
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

} // namespace

class tst_FormFiller final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    HeldScheme m_scheme;

    QString page(const QString& name) const { return m_dir.filePath(name); }
    void writePage(const QString& name, const QByteArray& body) {
        QFile file(page(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kHead + "</head><body>" + body + "</body></html>");
    }

public:
    static void initMain() {
        QWebEngineUrlScheme scheme("held");
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
        QWebEngineUrlScheme::registerScheme(scheme);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QWebEngineProfile::defaultProfile()->installUrlSchemeHandler("held", &m_scheme);
        // Every field written by a script lands in `mirror`, the way a site's framework tracks its form.
        writePage("form.html", R"(<script>var mirror = {}; document.addEventListener('input', function (e) {
mirror[e.target.id] = e.target.value; });</script><form>
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
        writePage("frame.html", R"(<input id="top" name="padurl">
<iframe id="inner" srcdoc="<input id='framed' name='padurl' value='keep'>"></iframe>)");
        writePage("hostile.html", R"(<input id="padurl" name="padurl"><script>
document.getElementsByTagName = function () { throw new Error('no inputs for you'); };
Object.defineProperty(document, 'activeElement', { get: function () { throw new Error('no focus'); } });
</script>)");
        writePage("shown.html", "<input id=\"shown\" name=\"padurl\">");
    }

    void autoFillFollowsTheNameRule() {
        WebBrowser browser;
        QVERIFY(NavigateAndWait(browser, page("form.html")));
        const QString pad = "http://x.example/pad.xml";
        QCOMPARE(autoFill(browser, {pad, "me@x.example", "R-1"}), counted(7));
        const QList<QPair<QString, QString>> expected = {
            {"padurl", pad},     {"padding", pad},      {"padmail", pad},       {"email", "me@x.example"},
            {"regnow", "R-1"},   {"affiliate", "R-1"},  {"category", "7"},      {"unnamed", "keep"},
            {"padtext", "keep"}, {"padselect", "keep"}, {"password", "secret"},
        };
        for (const auto& [id, value] : expected)
            QVERIFY2(ValueOf(browser, id) == QVariant(value), qPrintable(id + " = " + ValueOf(browser, id).toString()));

        QCOMPARE(Evaluate(browser, "return Object.keys(mirror).length;"), QVariant(7)); // the page saw every write

        // Values are written as text, whatever they hold.
        const QString hostile =
            QString::fromUtf8("it's \"q\" back\\slash </script><script>window.injected = true;"
                              "</script> '); window.injected = true; (' line\r\nnext Grüße 日本 😀 ${x} %1");
        QCOMPARE(autoFill(browser, {hostile, hostile, hostile}), counted(7));
        // A text field drops line breaks by itself; a hidden field keeps the value exactly.
        QString singleLine = hostile;
        singleLine.remove('\r').remove('\n');
        QCOMPARE(ValueOf(browser, "regnow").toString(), singleLine);
        QCOMPARE(ValueOf(browser, "hidden").toString(), hostile);
        QCOMPARE(Evaluate(browser, "return !!window.injected;"), QVariant(false));
    }

    // Only a field a person types into is written, and never with nothing: a PAD field without a PAD address keeps
    // its content rather than take the next rule's value.
    void autoFillWritesWherePeopleType_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("pad");
        QTest::addColumn<bool>("written");
        for (const char* type : {"text", "hidden", "email", "url", "password"})
            QTest::newRow(type) << type << "p" << true;
        for (const char* type : {"submit", "SUBMIT", "button", "reset", "image", "checkbox", "radio", "file"})
            QTest::newRow(type) << type << "p" << false;
        QTest::newRow("no PAD address") << "text" << QString() << false;
    }

    void autoFillWritesWherePeopleType() {
        QFETCH(QString, type);
        QFETCH(QString, pad);
        QFETCH(bool, written);
        // The element's own type property lies; the type that counts is the one the element really has.
        m_scheme.served.insert(
            "/type.html", kHead + "</head><body><input id=\"field\" name=\"submit_pad_mail\" type=\"" + type.toUtf8() +
                              "\" value=\"keep\"><script>Object.defineProperty("
                              "field, 'type', { value: 'text' });</script>");
        WebBrowser browser;
        QVERIFY(NavigateAndWait(browser, "held:/type.html"));
        const QVariant before = ValueOf(browser, "field");
        QCOMPARE(autoFill(browser, {pad, "m", "r"}), counted(written ? 1 : 0));
        QCOMPARE(ValueOf(browser, "field"), written ? QVariant("p") : before);
    }

    void onlyTheTopDocumentIsReached() {
        WebBrowser browser;
        QCOMPARE(autoFill(browser), counted(0)); // nothing loaded yet

        QVERIFY(NavigateAndWait(browser, page("frame.html")));
        const QString framed = "return document.getElementById('inner').contentDocument.getElementById('framed')";
        QTRY_VERIFY_WITH_TIMEOUT(Evaluate(browser, framed + " !== null;").toBool(), kLoadTimeout);
        QCOMPARE(autoFill(browser), counted(1));
        QCOMPARE(ValueOf(browser, "top"), QVariant("p"));
        QCOMPARE(Evaluate(browser, framed + ".value;"), QVariant("keep"));
        // Focus inside a frame is not a text box of the top document.
        QVERIFY(Evaluate(browser, framed + ".focus() || 1;").isValid());
        QCOMPARE(writeFocused(browser, PasteTarget::InputOrTextArea, "x").outcome, Outcome::NotATextbox);
    }

    void pageThatRunsNoScriptIsLeftAsItIs() {
        WebBrowser browser;
        QVERIFY(NavigateAndWait(browser, page("hostile.html")));
        QCOMPARE(autoFill(browser), kNoScript);
        QCOMPARE(ValueOf(browser, "padurl"), QVariant(""));
        QCOMPARE(writeFocused(browser, PasteTarget::InputOrTextArea, "x").outcome, Outcome::NoPage);
        QCOMPARE(clear(browser), kNoScript);
    }

    void autoFillWorksOnTheDocumentShownWhileLoading() {
        WebBrowser browser;
        m_scheme.served.insert("/parsing.html", kHead + "</head><body><input id=\"early\" name=\"padurl\">"
                                                        "<script src=\"held:/held.js\"></script>"
                                                        "<input id=\"late\" name=\"padurl\"></body></html>");
        QSignalSpy finished(browser.page(), &QWebEnginePage::loadFinished);

        // The parser waits for the held script: only the fields before it exist yet, and only they are filled.
        browser.Navigate("held:/parsing.html");
        QTRY_VERIFY_WITH_TIMEOUT(m_scheme.held, kLoadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(ValueOf(browser, "early"), QVariant(""), kLoadTimeout);
        QCOMPARE(autoFill(browser), counted(1));
        QCOMPARE(finished.count(), 0);
        m_scheme.release("");
        QVERIFY(finished.wait(kLoadTimeout));
        QCOMPARE(ValueOf(browser, "early").toString() + "|" + ValueOf(browser, "late").toString(), QString("p|"));

        // A page not yet arrived leaves the one shown in place, and that one is filled.
        QVERIFY(NavigateAndWait(browser, page("shown.html")));
        finished.clear();
        browser.Navigate("held:/never.html");
        QTRY_VERIFY_WITH_TIMEOUT(m_scheme.held, kLoadTimeout);
        QCOMPARE(autoFill(browser), counted(1));
        QCOMPARE(ValueOf(browser, "shown"), QVariant("p"));
        m_scheme.release(kHead + "</head><body>arrived</body></html>");
        QVERIFY(finished.wait(kLoadTimeout));
    }

    void pasteWritesOnlyIntoAcceptedFocus() {
        WebBrowser browser;
        QVERIFY(NavigateAndWait(browser, page("form.html")));
        const auto paste = [&](const char* id, PasteTarget target, const QString& value) {
            return Focus(browser, id) ? writeFocused(browser, target, value) : FocusedField{Outcome::NoPage, id};
        };
        const QString value = QString::fromUtf8("multi\nline \"Grüße\" </textarea><b>bold</b>");

        QCOMPARE(writeFocused(browser, PasteTarget::InputOrTextArea, value).outcome, Outcome::NotATextbox); // body
        QCOMPARE(paste("padtext", PasteTarget::InputOnly, value).outcome, Outcome::NotATextbox);
        QCOMPARE(ValueOf(browser, "padtext"), QVariant("keep"));
        QCOMPARE(paste("padtext", PasteTarget::InputOrTextArea, value).outcome, Outcome::Written);
        QCOMPARE(ValueOf(browser, "padtext"), QVariant(value));
        QCOMPARE(Evaluate(browser, "return mirror.padtext;"), QVariant(value));
        QCOMPARE(paste("padselect", PasteTarget::InputOrTextArea, "x").outcome, Outcome::NotATextbox);
        for (const char* id : {"title", "check", "submit"}) { // inputs of every type
            QCOMPARE(paste(id, PasteTarget::InputOnly, "pasted").outcome, Outcome::Written);
            QCOMPARE(ValueOf(browser, id), QVariant("pasted"));
        }
        const FocusedField refused = paste("file", PasteTarget::InputOnly, "C:\\setup.exe");
        QCOMPARE(refused.outcome, Outcome::WriteRefused);
        QVERIFY(!refused.error.isEmpty());
    }

    void clearKeepsAllButTextInputs() {
        WebBrowser browser;
        QVERIFY(NavigateAndWait(browser, page("form.html")));
        QCOMPARE(clear(browser), counted(9));
        for (const char* id :
             {"padurl", "padding", "padmail", "regnow", "affiliate", "category", "unnamed", "title", "upper"})
            QVERIFY2(ValueOf(browser, id) == QVariant(""), id);
        const QList<QPair<QString, QString>> kept = {{"password", "secret"}, {"padtext", "keep"}, {"hidden", "keep"},
                                                     {"check", "keep"},      {"search", "query"}, {"submit", "Send"}};
        for (const auto& [id, value] : kept)
            QVERIFY2(ValueOf(browser, id) == QVariant(value), qPrintable(id));
        QCOMPARE(Evaluate(browser, "return mirror.upper;"), QVariant(""));
    }
};

QUILL_TEST_MAIN(tst_FormFiller)
#include "tst_FormFiller.moc"
