#pragma once

// For tests linked with the browser: waiting for the engine's answers. Header only, as the support library
// does not link the browser engine.
#include "WebBrowser.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

// Generous for a busy machine; a failing QTRY waits three times this long before it reports.
constexpr int kLoadTimeout = 15000;

// The one answer of a call that reports through a callback, or nothing when none came in time.
template <class T, class Start> std::optional<T> AnswerOf(Start start) {
    // Shared, so that an answer arriving after the wait gave up has somewhere to go.
    auto result = std::make_shared<std::optional<T>>();
    start([result](const T& value) { *result = value; });
    if (!QTest::qWaitFor([&result] { return result->has_value(); }, kLoadTimeout))
        return std::nullopt;
    return *result;
}

// What the script body returns in the page: invalid when it threw, returned nothing or no answer came.
inline QVariant Evaluate(WebBrowser& browser, const QString& body, const QVariantList& args = {}) {
    return AnswerOf<QVariant>([&](auto done) { browser.RunScript(body, args, done); }).value_or(QVariant());
}

// The value of the page's element with that id; null when there is none.
inline QVariant ValueOf(WebBrowser& browser, const QString& id) {
    return Evaluate(browser, "var e = document.getElementById(arguments[0]); return e ? e.value : null;", {id});
}

inline bool Focus(WebBrowser& browser, const QString& id) {
    return Evaluate(browser,
                    "var e = document.getElementById(arguments[0]); e.focus();"
                    "return document.activeElement === e;",
                    {id})
        .toBool();
}

inline bool NavigateAndWait(WebBrowser& browser, const QString& address) {
    QSignalSpy finished(browser.page(), &QWebEnginePage::loadFinished);
    browser.Navigate(address);
    return finished.wait(kLoadTimeout) && finished.first().first().toBool();
}
