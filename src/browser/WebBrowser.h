#pragma once

#include <QVariant>
#include <QWebEngineView>

#include <functional>

class WebPage;

// The embedded browser that shows a submission site and lets the program read and fill its forms.
class WebBrowser final : public QWebEngineView {
    Q_OBJECT

public:
    explicit WebBrowser(QWidget* parent = nullptr);
    // Pop-ups must share their opener's profile, or the engine cannot hand the opened page over.
    explicit WebBrowser(QWebEngineProfile* profile, QWidget* parent = nullptr);
    ~WebBrowser() override;

    // Takes a web address as the user stored it (a scheme may be missing) or the absolute path of a local file.
    // Returns at once; ProgressChange reports how loading goes. An empty address does nothing.
    void Navigate(const QString& address);
    void GoBack();
    void GoForward();

    // Zoom in and out by the engine's usual steps, or back to 1. A host's zoom is kept in the program's profile
    // and comes back whenever a page of that host is shown.
    void ZoomIn();
    void ZoomOut();
    void ZoomReset();

    // Silent mode is there to keep the engine's own reports of page errors out of dialogs. This engine shows none
    // of them in a dialog anyway (script errors go to the log, a failed load shows an error page), so the flag
    // changes nothing the user sees; pop-ups take it over from their opener. A site's own alert, confirm and
    // prompt always reach the user, silent or not, and so does the program's question about a faulty certificate,
    // which only the user can answer.
    void setSilent(bool silent) { m_silent = silent; }
    bool Silent() const { return m_silent; }

    // Runs functionBody as the body of a function called with args as its `arguments`, in the page's own
    // script world so that the page's listeners see every change. Arguments travel as JSON, never as script
    // text. done gets the function's return value from the event loop, never from inside this call; the value
    // is invalid when the script threw, did not compile or returned nothing. done is dropped if this browser
    // is destroyed first.
    //
    // The body may call __quillSetValue(element, value) (SetValue.js): it writes the value through the element
    // type's own value setter, bypassing any setter a site's framework installed on the element, then fires
    // bubbling input and change events so the framework notices. It returns false when element is null.
    void RunScript(const QString& functionBody, const QVariantList& args, std::function<void(const QVariant&)> done);

signals:
    // progress is 0..progressMax while loading; -1 once loading ended, whether it succeeded or not.
    void ProgressChange(int progress, int progressMax);
    // The address of the link under the pointer; empty when the pointer leaves it.
    void StatusTextChange(const QString& text);
    // The page wants a new window. Handlers are called directly and set cancel to refuse; with no handler
    // the window opens. Pop-ups forward their own requests here too.
    void NewWindow2(bool& cancel);

private:
    friend class WebPage;
    WebPage* openPopup();
    void setZoom(double factor);
    void applyHostZoom();

    WebPage* m_page;
    bool m_silent = false;
};
