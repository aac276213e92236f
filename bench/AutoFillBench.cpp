// One press of "AUTO" on a page with 1,000 inputs, from the press until the last field is written.
#include "Bench.h"
#include "FormFiller.h"
#include "WebBrowser.h"

#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>

#include <memory>
#include <unistd.h>

namespace {

constexpr int kInputs = 1000;

std::unique_ptr<QTemporaryDir> gDir;
std::unique_ptr<WebBrowser> gBrowser;

// A form the way submission sites build them: mixed names and types, and a script tracking every field.
QByteArray formPage() {
    static const char* const names[] = {"padurl_%1", "author_email_%1", "regnow_id_%1", "title_%1"};
    static const char* const types[] = {"text", "hidden", "email", "text"};
    QByteArray html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Form</title></head><body><form>";
    for (int i = 0; i < kInputs; ++i)
        html += QStringLiteral("<label>Field %1 <input name=\"%2\" type=\"%3\"></label>\n")
                    .arg(i)
                    .arg(QString::fromLatin1(names[i % 4]).arg(i), QString::fromLatin1(types[i % 4]))
                    .toUtf8();
    html += "</form><script>var seen = {}; document.addEventListener('input', function (e) {"
            " seen[e.target.name] = e.target.value; });</script></body></html>";
    return html;
}

// Runs the event loop until done is called; a missing answer ends the bench rather than hang it.
void waitFor(const std::function<void(std::function<void()>)>& start) {
    QEventLoop loop;
    QTimer::singleShot(60000, &loop, [] { qFatal("autofill_1000: the page did not answer"); });
    start([&loop] { loop.quit(); });
    loop.exec();
}

void prepare() {
    // The engine will not start as root with its sandbox on; this case only loads the page it wrote itself.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    gDir = std::make_unique<QTemporaryDir>();
    const QString path = gDir->filePath(QStringLiteral("form.html"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(formPage()) < 0)
        qFatal("autofill_1000: cannot write the page");
    file.close();

    gBrowser = std::make_unique<WebBrowser>();
    gBrowser->resize(1024, 768);
    waitFor([&path](const std::function<void()>& done) {
        QObject::connect(
            gBrowser->page(), &QWebEnginePage::loadFinished, gBrowser.get(),
            [done](bool ok) {
                if (!ok)
                    qFatal("autofill_1000: the page did not load");
                done();
            },
            Qt::SingleShotConnection);
        gBrowser->Navigate(path);
    });
}

void run() {
    const FormFiller::AutoFillValues values{QStringLiteral("http://www.example.com/pad/tool.xml"),
                                            QStringLiteral("author@example.com"), QStringLiteral("12345-6")};
    waitFor([&values](const std::function<void()>& done) {
        FormFiller::AutoFill(*gBrowser, values, [done](std::optional<int> written) {
            if (written != kInputs * 3 / 4)
                qFatal("autofill_1000: %d fields written", written.value_or(-1));
            done();
        });
    });
}

const bool registered = [] {
    RegisterBenchCase({QStringLiteral("autofill_1000"), prepare, run, [] {
                           gBrowser.reset();
                           gDir.reset();
                       }});
    return true;
}();

} // namespace
