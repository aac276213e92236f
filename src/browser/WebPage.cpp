#include "WebPage.h"

#include "BrowserProfile.h"
#include "MessageBox.h"
#include "WebBrowser.h"

#include <QWebEngineCertificateError>

WebPage::WebPage(QWebEngineProfile* profile, WebBrowser* owner) : QWebEnginePage(profile, owner), m_owner(owner) {
    connect(this, &QWebEnginePage::certificateError, this, &WebPage::askAboutCertificate);
}

// Yes lets the host through for this run only (the engine forgets it with the profile, and so does the profile);
// nothing is stored. The answer is given from the event loop, so the engine is not kept inside its signal.
void WebPage::askAboutCertificate(const QWebEngineCertificateError& error) {
    if (!error.isOverridable())
        return; // the engine shows its error page
    const QString host = error.url().host();
    auto* profile = qobject_cast<BrowserProfile*>(this->profile());
    if (profile && profile->CertificateAllowed(host)) {
        QWebEngineCertificateError(error).acceptCertificate();
        return;
    }
    QWebEngineCertificateError deferred(error);
    deferred.defer();
    QMetaObject::invokeMethod(
        this,
        [this, deferred, host]() mutable {
            const QString text = tr("The certificate of %1 is not valid:\r\n%2\r\n\r\nContinue to this "
                                    "site anyway?")
                                     .arg(host, deferred.description());
            const bool yes =
                MsgBox(text, Msg::Buttons::YesNo, Msg::Icon::Exclamation, Msg::Answer::No, host) == Msg::Answer::Yes;
            if (auto* profile = qobject_cast<BrowserProfile*>(this->profile()); profile && yes)
                profile->AllowCertificate(host);
            if (yes)
                deferred.acceptCertificate();
            else
                deferred.rejectCertificate();
        },
        Qt::QueuedConnection);
}

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
