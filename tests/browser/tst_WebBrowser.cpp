#include "LoopbackHttpServer.h"
#include "PageWaits.h"
#include "Spies.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>

namespace {

QByteArray html(const QByteArray& title) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title + "</title></head><body></body></html>";
}

QWidget* windowTitled(const QString& title) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle() == title)
            return widget;
    return nullptr;
}

} // namespace

class tst_WebBrowser final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<WebBrowser> m_browser;

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        WriteFile(m_dir.filePath("plain.html"), html("Plain"));
        WriteFile(m_dir.filePath("popup.html"), html("Popup page"));
    }
    void init() {
        m_browser = std::make_unique<WebBrowser>();
        QVERIFY(NavigateAndWait(*m_browser, m_dir.filePath("plain.html")));
    }
    void cleanup() { m_browser.reset(); }

    // Whether a pop-up may open is the main window's rule; here what an allowed one is.
    void popupIsAWindowThatAsksItsOpenerAndClosesItself() {
        int asked = 0;
        connect(m_browser.get(), &WebBrowser::NewWindow2, this, [&](bool& cancel) { cancel = ++asked > 1; });
        QVERIFY(Evaluate(*m_browser, "window.open('popup.html'); return 1;").isValid());
        QTRY_VERIFY_WITH_TIMEOUT(windowTitled("Popup page"), kLoadTimeout);
        const QPointer<QWidget> window = windowTitled("Popup page");
        auto* popup = window->findChild<WebBrowser*>();

        // The pop-up's own pop-ups ask the opener too: this one is refused.
        const int windows = QApplication::topLevelWidgets().size();
        QVERIFY(Evaluate(*popup, "window.open('plain.html'); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(asked, 2, kLoadTimeout);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);

        QVERIFY(Evaluate(*popup, "window.close(); return 1;").isValid());
        QTRY_VERIFY_WITH_TIMEOUT(!window, kLoadTimeout);
    }

    // Unattended filling runs silent; a site's own questions still reach the user through the message gateway,
    // titled with the site's host, and the user's answers reach the site.
    void pageDialogsAskTheUserAndTakeTheAnswer() {
        LoopbackHttpServer server;
        server.ok("/", html("Ask"), "text/html");
        m_browser->setSilent(true);
        QVERIFY(NavigateAndWait(*m_browser, server.url("/").toString()));
        MsgBoxSpy boxes;
        for (Msg::Answer pressed : {Msg::Answer::Ok, Msg::Answer::Cancel, Msg::Answer::Ok})
            boxes.answer(pressed);
        const QString typed = QString::fromUtf8("Grüße \"B\" </p>");
        boxes.type(typed);
        boxes.type(std::nullopt);
        QCOMPARE(Evaluate(*m_browser, "return [confirm('Send?'), confirm('Again?'), alert('Thanks'),"
                                      " prompt('Name?', 'Ann'), prompt('City?', 'Rome')].map(String);")
                     .toStringList(),
                 (QStringList{"true", "false", "undefined", typed, "null"}));
        QStringList shown;
        for (const MsgBoxRecord& box : boxes.shown())
            shown << box.title + ": " + box.text + (box.buttons == Msg::Buttons::OkCancel ? " OK/Cancel" : " OK");
        for (const InputBoxRecord& input : boxes.inputs())
            shown << input.title + ": " + input.text + " " + input.defaultValue;
        const QString host = server.url("/").host() + ": ";
        QCOMPARE(shown, (QStringList{host + "Send? OK/Cancel", host + "Again? OK/Cancel", host + "Thanks OK",
                                     host + "Name? Ann", host + "City? Rome"}));
    }

    // Arguments travel as data: no quote, markup or line separator in them ends the script or runs as code.
    void runScriptPassesValuesIntactAndNeverAsScript() {
        const QVariantList args{"it's \"quoted\" back\\slash\\ %1 $& ${x}",
                                "</script><script>window.injected = true;</script>'); window.injected = true; ('",
                                QString::fromUtf8("line one\nline two\r\n\ttabbed Grüße 日本 \u2028\u2029 😀"), 42,
                                QVariantMap{{"key", "value"}}};
        QCOMPARE(Evaluate(*m_browser, "return Array.prototype.slice.call(arguments);", args), QVariant(args));
        QCOMPARE(Evaluate(*m_browser, "return !!window.injected;"), QVariant(false));
        // Placeholder-like text in the body stays as it is, and a trailing comment does not swallow the script.
        QCOMPARE(Evaluate(*m_browser, "return '%1' + arguments.length; // comment", {"x"}), QVariant("%11"));
    }

    // A failing script still answers, so a caller never waits in vain; a destroyed browser answers never.
    void runScriptAnswersEvenOnFailureButNeverAfterTheBrowserIsGone() {
        for (const char* body : {"throw new Error('boom');", "return (;"}) {
            const auto result = AnswerOf<QVariant>([&](auto done) { m_browser->RunScript(body, {}, done); });
            QVERIFY2(result && !result->isValid(), body);
        }

        bool answered = false;
        m_browser->RunScript("return 1;", {}, [&answered](const QVariant&) { answered = true; });
        m_browser.reset();
        // Another browser's round trip gives a stray answer for the destroyed one time to turn up.
        WebBrowser other;
        QVERIFY(NavigateAndWait(other, m_dir.filePath("plain.html")));
        QVERIFY(Evaluate(other, "return 1;").isValid());
        QVERIFY(!answered);
    }
};

QUILL_TEST_MAIN(tst_WebBrowser)
#include "tst_WebBrowser.moc"
