#include "WebPage.h"

#include "WebBrowser.h"

WebPage::WebPage(QWebEngineProfile* profile, WebBrowser* owner) : QWebEnginePage(profile, owner), m_owner(owner) {}

QWebEnginePage* WebPage::createWindow(WebWindowType type) {
    Q_UNUSED(type) // there are no tabs: every kind of new window becomes a window of its own
    return m_owner ? m_owner->openPopup() : nullptr;
}

void WebPage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg) {
    if (!m_silent)
        QWebEnginePage::javaScriptAlert(securityOrigin, msg);
}

bool WebPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) {
    return !m_silent && QWebEnginePage::javaScriptConfirm(securityOrigin, msg);
}

bool WebPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                               QString* result) {
    return !m_silent && QWebEnginePage::javaScriptPrompt(securityOrigin, msg, defaultValue, result);
}
