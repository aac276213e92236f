// One press of "AUTO" or "Fill all" on a page with 1,000 fields, from the press until the script's answer.
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
    QTimer::singleShot(60000, &loop, [] { qFatal("the bench page did not answer"); });
    start([&loop] { loop.quit(); });
    loop.exec();
}

void prepare(const QByteArray& page) {
    // The engine will not start as root with its sandbox on; this case only loads the page it wrote itself.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    gDir = std::make_unique<QTemporaryDir>();
    const QString path = gDir->filePath(QStringLiteral("form.html"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(page) < 0)
        qFatal("cannot write the bench page");
    file.close();

    gBrowser = std::make_unique<WebBrowser>();
    gBrowser->resize(1024, 768);
    waitFor([&path](const std::function<void()>& done) {
        QObject::connect(
            gBrowser->page(), &QWebEnginePage::loadFinished, gBrowser.get(),
            [done](bool ok) {
                if (!ok)
                    qFatal("the bench page did not load");
                done();
            },
            Qt::SingleShotConnection);
        gBrowser->Navigate(path);
    });
}

// Labelled fields the way submit forms label them, ten meanings over and over, each field tracked by a script.
QByteArray labelledPage() {
    static const char* const captions[] = {"Program name",   "Version",           "Home page", "Download URL",
                                           "PAD file URL",   "File size (bytes)", "Summary",   "Description",
                                           "Contact e-mail", "Keywords"};
    QByteArray html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body><form><table>";
    for (int i = 0; i < kInputs; ++i)
        html += QStringLiteral("<tr><td><label for=\"f%1\">%2</label></td><td><input id=\"f%1\" name=\"f%1\" "
                               "value=\"%3\"></td></tr>\n")
                    .arg(i)
                    .arg(QString::fromLatin1(captions[i % 10]), i % 10 == 2 ? QStringLiteral("http://") : QString())
                    .toUtf8();
    html += "</table></form><script>var seen = {}; document.addEventListener('input', function (e) {"
            " seen[e.target.name] = e.target.value; });</script></body></html>";
    return html;
}

void fillAll() {
    const QVariantMap product{{"name", "Menu Planner"},
                              {"version", "2.1.3"},
                              {"programURL", "http://cafe.example/menu"},
                              {"exeDownload_1", "http://cafe.example/menu.exe"},
                              {"padURL", "http://cafe.example/menu.xml"},
                              {"sizeKB", "1536"},
                              {"shortDescription", "Plans a week of menus"},
                              {"longDescription", "Plans menus for a week and prints the shopping list."},
                              {"emailAuthor", "zoe@cafe.example"},
                              {"keywords", "menu, recipes"}};
    waitFor([&product](const std::function<void()>& done) {
        FormFiller::FillAll(*gBrowser, product, [done](const FormFiller::FillReport& report) {
            if (report.filled != kInputs)
                qFatal("fill_all_1000: %d fields written", report.filled);
            done();
        });
    });
}

// Empties the fields again, so that every timed run fills all of them.
void emptyFields() {
    waitFor([](const std::function<void()>& done) {
        gBrowser->RunScript(
            QStringLiteral("document.querySelectorAll('input').forEach(function (e) { e.value = ''; "
                           "e.removeAttribute('data-quill-filled'); }); return document.body.offsetHeight;"),
            {}, [done](const QVariant&) { done(); });
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
    const auto finish = [] {
        gBrowser.reset();
        gDir.reset();
    };
    RegisterBenchCase({QStringLiteral("autofill_1000"), [] { prepare(formPage()); }, run, finish});
    RegisterBenchCase({QStringLiteral("fill_all_1000"), [] { prepare(labelledPage()); }, fillAll, finish, emptyFields});
    return true;
}();

} // namespace
