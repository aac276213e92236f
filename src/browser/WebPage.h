#pragma once

#include <QPointer>
#include <QWebEnginePage>

class WebBrowser;

// The page behind a WebBrowser. Form filling runs unattended, so a site's script dialogs can be silenced, and
// pop-up requests are handed to the owning browser, which asks its user and opens the window.
class WebPage final : public QWebEnginePage {
    Q_OBJECT

public:
    WebPage(QWebEngineProfile* profile, WebBrowser* owner);

    void setSilent(bool silent) { m_silent = silent; }
    bool isSilent() const { return m_silent; }

protected:
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                          QString* result) override;

private:
    QPointer<WebBrowser> m_owner;
    bool m_silent = false;
};
