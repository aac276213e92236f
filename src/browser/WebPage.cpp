#include "WebPage.h"

#include "MessageBox.h"
#include "WebBrowser.h"

WebPage::WebPage(QWebEngineProfile* profile, WebBrowser* owner) : QWebEnginePage(profile, owner), m_owner(owner) {}

QWebEnginePage* WebPage::createWindow(WebWindowType type) {
    Q_UNUSED(type) // there are no tabs: every kind of new window becomes a window of its own
    return m_owner ? m_owner->openPopup() : nullptr;
}

// The boxes carry the asking site's host, so that the user can tell a site's question from the program's; a page
// without a host (a local file) gets the application title.
void WebPage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg) {
    MsgBox(msg, Msg::Buttons::Ok, Msg::Icon::None, Msg::Answer::None, securityOrigin.host());
}

// The engine also asks here before leaving a page whose script wants to keep the user.
bool WebPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) {
    return MsgBox(msg, Msg::Buttons::OkCancel, Msg::Icon::None, Msg::Answer::None, securityOrigin.host()) ==
           Msg::Answer::Ok;
}

bool WebPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                               QString* result) {
    const std::optional<QString> typed = InputBox(msg, defaultValue, securityOrigin.host());
    if (typed && result)
        *result = *typed;
    return typed.has_value();
}
