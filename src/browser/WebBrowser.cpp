#include "WebBrowser.h"

#include "BrowserProfile.h"
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
// Chromium's own zoom steps, so that the pane zooms as the user's browser does.
constexpr double kZoomSteps[] = {0.25, 0.33, 0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                 1.25, 1.5,  1.75, 2.0,  2.5,  3.0, 4.0, 5.0};

} // namespace

WebBrowser::WebBrowser(QWidget* parent) : WebBrowser(QWebEngineProfile::defaultProfile(), parent) {}

WebBrowser::WebBrowser(QWebEngineProfile* profile, QWidget* parent)
    : QWebEngineView(parent), m_page(new WebPage(profile, this)) {
    setPage(m_page);
    connect(m_page, &QWebEnginePage::loadProgress, this,
            [this](int progress) { emit ProgressChange(progress, progressMaximum); });
    connect(m_page, &QWebEnginePage::loadFinished, this, [this] { emit ProgressChange(-1, progressMaximum); });
    connect(m_page, &QWebEnginePage::linkHovered, this, &WebBrowser::StatusTextChange);
    // The engine sets a new document's zoom on its own; the host's is applied once the address is known and again
    // once the page is there.
    connect(m_page, &QWebEnginePage::urlChanged, this, &WebBrowser::applyHostZoom);
    connect(m_page, &QWebEnginePage::loadFinished, this, &WebBrowser::applyHostZoom);
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

void WebBrowser::ZoomIn() {
    for (const double step : kZoomSteps) {
        if (step > zoomFactor() + 0.001) {
            setZoom(step);
            return;
        }
    }
}

void WebBrowser::ZoomOut() {
    for (auto step = std::rbegin(kZoomSteps); step != std::rend(kZoomSteps); ++step) {
        if (*step < zoomFactor() - 0.001) {
            setZoom(*step);
            return;
        }
    }
}

void WebBrowser::ZoomReset() {
    setZoom(1.0);
}

void WebBrowser::setZoom(double factor) {
    setZoomFactor(factor);
    const QString host = url().host();
    if (auto* profile = qobject_cast<BrowserProfile*>(m_page->profile()); profile && !host.isEmpty())
        profile->SetZoomFor(host, factor);
}

void WebBrowser::applyHostZoom() {
    auto* profile = qobject_cast<BrowserProfile*>(m_page->profile());
    const QString host = url().host();
    if (!profile || host.isEmpty())
        return;
    const double factor = profile->ZoomFor(host);
    if (!qFuzzyCompare(zoomFactor(), factor))
        setZoomFactor(factor);
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
