#include "WebBrowser.h"

#include "PageScripts.h"
#include "WebPage.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineScript>

namespace {

constexpr int progressMaximum = 100;

} // namespace

WebBrowser::WebBrowser(QWidget* parent) : WebBrowser(QWebEngineProfile::defaultProfile(), parent) {}

WebBrowser::WebBrowser(QWebEngineProfile* profile, QWidget* parent)
    : QWebEngineView(parent), m_page(new WebPage(profile, this)) {
    setPage(m_page);
    connect(m_page, &QWebEnginePage::loadProgress, this,
            [this](int progress) { emit ProgressChange(progress, progressMaximum); });
    connect(m_page, &QWebEnginePage::loadFinished, this, [this] { emit ProgressChange(-1, progressMaximum); });
    connect(m_page, &QWebEnginePage::linkHovered, this, &WebBrowser::StatusTextChange);
}

// The view base class tears the page down; nothing the page reports meanwhile may reach this half-destroyed
// browser. Script answers need no care here, they go through the event queue (see RunScript).
WebBrowser::~WebBrowser() {
    m_page->disconnect(this);
}

void WebBrowser::Navigate(const QString& address) {
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return;
    const QFileInfo file(trimmed);
    // A stored path must open that file whatever it looks like, so it is not left to fromUserInput's guessing.
    load(file.isAbsolute() && file.exists() ? QUrl::fromLocalFile(file.absoluteFilePath())
                                            : QUrl::fromUserInput(trimmed));
}

void WebBrowser::GoBack() {
    if (history()->canGoBack())
        back();
}

void WebBrowser::GoForward() {
    if (history()->canGoForward())
        forward();
}

void WebBrowser::RunScript(const QString& functionBody, const QVariantList& args,
                           std::function<void(const QVariant&)> done) {
    const QString json =
        QString::fromUtf8(QJsonDocument(QJsonArray::fromVariantList(args)).toJson(QJsonDocument::Compact));
    // The body gets a function of its own so that its `return` and `arguments` work; the line breaks keep a
    // trailing // comment in the body from swallowing the rest.
    const QString script = QStringLiteral("(function () {\n") + PageScript(QStringLiteral("SetValue.js")) +
                           QStringLiteral("\ntry {\nreturn (function () {\n") + functionBody +
                           QStringLiteral("\n}).apply(null, ") + json +
                           QStringLiteral(");\n} catch (e) {\nreturn null;\n}\n})()");

    // The engine may answer from inside runJavaScript or while the page is being torn down; going through
    // this browser's event queue gives callers one behaviour and drops the answer once the browser is gone.
    // Held as a QObject: the engine may answer while this browser is already being destroyed, when it is no
    // longer a WebBrowser.
    QPointer<QObject> self(this);
    auto deliver = [self, done = std::move(done)](const QVariant& result) {
        if (!self || !done)
            return;
        QMetaObject::invokeMethod(
            self.data(),
            [self, done, result] {
                if (self)
                    done(result);
            },
            Qt::QueuedConnection);
    };
    m_page->runJavaScript(script, QWebEngineScript::MainWorld, deliver);
}

WebPage* WebBrowser::openPopup() {
    bool cancel = false;
    emit NewWindow2(cancel);
    if (cancel)
        return nullptr;

    // A child window of the opener's window: it stays out of the application's last-window-closed decision
    // and goes away with the window that opened it.
    auto* window = new QWidget(this->window(), Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* popup = new WebBrowser(m_page->profile(), window);
    layout->addWidget(popup);
    popup->setSilent(Silent());

    connect(popup, &WebBrowser::NewWindow2, this, &WebBrowser::NewWindow2, Qt::DirectConnection);
    connect(popup->m_page, &QWebEnginePage::titleChanged, window, &QWidget::setWindowTitle);
    connect(popup->m_page, &QWebEnginePage::windowCloseRequested, window, &QWidget::close, Qt::QueuedConnection);
    connect(popup->m_page, &QWebEnginePage::geometryChangeRequested, window, [window](const QRect& geometry) {
        if (!geometry.size().isEmpty())
            window->resize(geometry.size());
    });

    window->resize(size().isEmpty() ? QSize(800, 600) : size());
    window->show();
    return popup->m_page;
}
