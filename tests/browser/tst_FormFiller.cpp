#include "FormFiller.h"
#include "PageWaits.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QTemporaryDir>

using FormFiller::PasteTarget;
using Outcome = FormFiller::FocusedField::Outcome;

class tst_FormFiller final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<WebBrowser> m_browser;

    // Opens a page holding body. Like a site's framework, the page logs every input and change event in `seen`,
    // with the value the element really holds.
    bool load(const QByteArray& body) {
        const QString path = m_dir.filePath("page.html");
        WriteFile(path, "<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body>" + body + R"(<script>
var seen = [];
['input', 'change'].forEach(function (type) { document.addEventListener(type, function (e) {
    var own = Object.getOwnPropertyDescriptor(Object.getPrototypeOf(e.target), 'value').get;
    seen.push(type + ':' + e.target.id + '=' + own.call(e.target));
}); });</script></body></html>)");
        return NavigateAndWait(*m_browser, path);
    }
    QString seen() { return Evaluate(*m_browser, "return seen.join(' ');").toString(); }
    // The number of fields written, or -1 when the page ran no script.
    int answerOf(const std::function<void(std::function<void(std::optional<int>)>)>& start) {
        return AnswerOf<std::optional<int>>(start).value_or(std::nullopt).value_or(-1);
    }

private slots:
    void init() { m_browser = std::make_unique<WebBrowser>(); }
    void cleanup() { m_browser.reset(); }

    void autoFillWritesByNameOnlyWherePeopleType_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pad");
        QTest::addColumn<QString>("written"); // empty: the field keeps its content
        const auto row = [](const char* tag, const char* type, const char* name, const char* pad, const char* written) {
            QTest::newRow(tag) << QString(type) << QString(name) << QString(pad) << QString(written);
        };
        // Names compare upper-cased; the first rule that matches wins.
        row("PAD", "text", "x_PadUrl", "p", "p");
        row("PAD before MAIL", "text", "pad_mail", "p", "p");
        row("MAIL", "text", "user_email", "p", "m");
        row("MAIL before REGNOW", "text", "mail_regnow", "p", "m");
        row("REGNOW", "text", "RegNow_ID", "p", "r");
        row("AFFILIATEID", "text", "affiliateId", "p", "r");
        row("other name", "text", "title", "p", "");
        row("category", "text", "module_catalog_form_submit_software_PAD_1_category_id", "p", "");
        // A PAD field without a PAD address keeps its content rather than take the next rule's value.
        row("no PAD address", "text", "pad_mail", "", "");
        for (const char* type : {"hidden", "email", "url", "password"})
            row(type, type, "pad_mail", "p", "p");
        for (const char* type : {"submit", "SUBMIT", "button", "reset", "image", "checkbox", "radio", "file"})
            row(type, type, "pad_mail", "p", "");
    }

    // The page claims every field is a text field: only the type the element really has counts.
    void autoFillWritesByNameOnlyWherePeopleType() {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QFETCH(QString, pad);
        QFETCH(QString, written);
        QVERIFY(load("<input id=\"f\" name=\"" + name.toUtf8() + "\" type=\"" + type.toUtf8() +
                     "\" value=\"keep\"><script>Object.defineProperty(f, 'type', { value: 'text' });</script>"));
        const QVariant before = ValueOf(*m_browser, "f");
        const int count = answerOf([&](auto done) { FormFiller::AutoFill(*m_browser, {pad, "m", "r"}, done); });
        QCOMPARE(count, written.isEmpty() ? 0 : 1);
        QCOMPARE(ValueOf(*m_browser, "f"), written.isEmpty() ? before : QVariant(written));
        QCOMPARE(seen(), written.isEmpty() ? QString() : QString("input:f=%1 change:f=%1").arg(written));
    }

    void pasteWritesOnlyIntoAnAcceptedFocusedField_data() {
        QTest::addColumn<QString>("focus"); // empty: the page's body
        QTest::addColumn<PasteTarget>("target");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("no field") << "" << PasteTarget::InputOrTextArea << Outcome::NotATextbox;
        QTest::newRow("text area, inputs only") << "notes" << PasteTarget::InputOnly << Outcome::NotATextbox;
        QTest::newRow("text area") << "notes" << PasteTarget::InputOrTextArea << Outcome::Written;
        QTest::newRow("select") << "os" << PasteTarget::InputOrTextArea << Outcome::NotATextbox;
        QTest::newRow("script-driven input") << "tracked" << PasteTarget::InputOnly << Outcome::Written;
        QTest::newRow("file input") << "file" << PasteTarget::InputOnly << Outcome::WriteRefused;
    }

    // The value goes in through the element type's own setter and the events a site's framework listens to.
    void pasteWritesOnlyIntoAnAcceptedFocusedField() {
        QFETCH(QString, focus);
        QFETCH(PasteTarget, target);
        QFETCH(Outcome, outcome);
        QVERIFY(load(R"(<input id="tracked"><textarea id="notes">keep</textarea>
<select id="os"><option>keep</option></select><input id="file" type="file"><script>
// A framework that tracks edits: the field's own value property swallows plain writes.
Object.defineProperty(tracked, 'value', { get: function () { return ''; }, set: function () {} });</script>)"));
        QVERIFY(focus.isEmpty() || Focus(*m_browser, focus));
        const QString value = QString::fromUtf8("Grüße \"q\" </textarea>");
        const auto field = AnswerOf<FormFiller::FocusedField>(
            [&](auto done) { FormFiller::WriteFocusedField(*m_browser, target, value, done); });
        QVERIFY(field);
        QCOMPARE(field->outcome, outcome);
        QCOMPARE(field->error.isEmpty(), outcome != Outcome::WriteRefused);
        QCOMPARE(seen(), outcome == Outcome::Written ? QString("input:%1=%2 change:%1=%2").arg(focus, value) : "");
    }

    void clearEmptiesOnlyTextInputs() {
        QVERIFY(load(R"(<input value="x"><input type="TEXT" value="x"><input type="password" value="x">
<input type="hidden" value="x"><input type="search" value="x"><input type="checkbox" value="x"><textarea>x</textarea>)"));
        QCOMPARE(answerOf([&](auto done) { FormFiller::ClearTextInputs(*m_browser, done); }), 2);
        QCOMPARE(Evaluate(*m_browser, "return Array.from(document.querySelectorAll('input, textarea'),"
                                      " function (e) { return e.value; }).join();"),
                 QVariant(",,x,x,x,x,x"));
    }
};

QUILL_TEST_MAIN(tst_FormFiller)
#include "tst_FormFiller.moc"
