#pragma once

#include <QPointer>
#include <QWebEnginePage>

class WebBrowser;

// The page behind a WebBrowser. A site's own alert, confirm and prompt go to the user through the message
// gateway, and pop-up requests are handed to the owning browser, which asks its user and opens the window. A faulty
// certificate is the user's call too: the page waits while the user is asked.
class WebPage final : public QWebEnginePage {
    Q_OBJECT

public:
    WebPage(QWebEngineProfile* profile, WebBrowser* owner);

protected:
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                          QString* result) override;

private:
    void askAboutCertificate(const QWebEngineCertificateError& error);

    QPointer<WebBrowser> m_owner;
};
