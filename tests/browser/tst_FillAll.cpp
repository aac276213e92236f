#include "FormFiller.h"
#include "PageWaits.h"
#include "TestMain.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Every field's value by its data-id, the frame's included (ids would tell Fill all what a field means), what the
// page's listeners heard, and the version box's tool tip once the pointer is on it.
const QString kValuesJs =
    QStringLiteral("var all = {};"
                   "[document, document.getElementById('frame').contentDocument].forEach(function (doc) {"
                   "    doc.querySelectorAll('input, textarea, select').forEach(function (e) { if (e.dataset.id) "
                   "all[e.dataset.id] = e.value; });"
                   "});"
                   "var version = document.querySelector('[data-id=version]');"
                   "version.dispatchEvent(new MouseEvent('mouseover', { bubbles: true }));"
                   "return JSON.stringify({ values: all, heard: heard, tip: version.title });");

QJsonObject Values(WebBrowser& browser) {
    return QJsonDocument::fromJson(Evaluate(browser, kValuesJs).toString().toUtf8()).object();
}

} // namespace

class tst_FillAll final : public QObject {
    Q_OBJECT

private slots:
    void fillsWhatEachFieldMeansAndLeavesTheRest() {
        WebBrowser browser;
        browser.resize(1024, 2000);
        QVERIFY(NavigateAndWait(browser, QFINDTESTDATA("pages/submit-form.html")));
        const QVariantMap product{
            {"name", "Menu Planner"},
            {"version", "2.1.3"},
            {"programURL", "http://cafe.example/menu"},
            {"exeDownload_1", "http://cafe.example/menu.exe"},
            {"padURL", "http://cafe.example/menu.xml"},
            {"sizeKB", "1536"},
            {"releaseDate", "2011-03-05"},
            {"shortDescription", "Plans a week of menus"},
            {"longDescription", QString("Plans menus. ").repeated(40)},
            {"author", "Café Soft"},
            {"emailAuthor", "zoe@cafe.example"},
            {"keywords", "menu, recipes, café"},
            {"screenShot", "http://cafe.example/shot.png"},
            {"icoURL", "http://cafe.example/icon.png"},
            {"recentChanges", "Prints the shopping list"},
            {"linkBack", "http://cafe.example/link"},
        };
        const QJsonObject before = Values(browser);
        // This site's form map overrides the words: the PAD box is left alone, the contact box gets the link back.
        const auto report = AnswerOf<FormFiller::FillReport>([&](auto done) {
            FormFiller::FillAll(browser, product, done, {{{"version", "Version"}}, {{"f5", ""}, {"c1", "linkBack"}}});
        });
        QVERIFY(report && report->reached);

        const QJsonObject filled = Values(browser), values = filled.value("values").toObject();
        const QMap<QString, QString> expected{
            {"search", ""},
            {"newsletter", ""},
            {"title", "Menu Planner"},
            {"version", "2.1.3"},
            {"home", "http://cafe.example/menu"},
            {"download", "http://cafe.example/menu.exe"},
            {"pad", ""},
            {"size", "1.50"},
            {"day", "5"},
            {"month", "3"},
            {"year", "2011"},
            {"rm", "3"},
            {"rd", "5"},
            {"ry", "2011"},
            {"short", "Plans a week of menus"},
            {"long", "Plans a week of menus"},
            {"font", ""},
            {"category", ""},
            {"price", "0"},
            {"video", "http://"},
            {"author", "Someone Else"},
            {"locked", ""},
            {"shot", "http://cafe.example/shot.png"},
            {"hiddenpad", ""},
            {"trap", ""},
            {"unseen", ""},
            {"seethrough", ""},
            {"mail", "http://cafe.example/link"},
            {"kw", "menu, recipes,"},
            {"icon", "http://cafe.example/icon.png"},
            {"changes", "Prints the shopping list"},
        };
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QVERIFY2(values.contains(it.key()) && values.value(it.key()).toString() == it.value(),
                     qPrintable(it.key() + ": " + values.value(it.key()).toString()));
        QCOMPARE(report->filled, 18);
        QCOMPARE(report->fromSiteMap, 1);
        QCOMPARE(report->leftEmpty, (QStringList{"Category", "Price", "Video URL"}));
        QCOMPARE(report->shortened, QStringList{"Keywords"});
        QCOMPARE(filled.value("tip").toString(), QString("Fill all: Version"));
        QCOMPARE(filled.value("heard").toObject().value("shot").toString(),
                 QString("http://cafe.example/shot.png (changed)"));

        // Undo puts back every value the fill changed, through the same events, and takes the tool tips away.
        const auto restored = AnswerOf<std::optional<int>>([&](auto done) { FormFiller::UndoFill(browser, done); });
        QVERIFY(restored && *restored == std::optional<int>(18));
        const QJsonObject undone = Values(browser);
        QCOMPARE(undone.value("values"), before.value("values"));
        QCOMPARE(undone.value("tip").toString(), QString());
        const QJsonObject heard = undone.value("heard").toObject();
        for (const char* id : {"title", "home", "shot", "day"})
            QCOMPARE(heard.value(id).toString(), before.value("values")[id].toString() + " (changed)");
        QVERIFY(heard.value("author").isUndefined());
        const auto again = AnswerOf<std::optional<int>>([&](auto done) { FormFiller::UndoFill(browser, done); });
        QVERIFY(again && !*again);
    }
};

QUILL_TEST_MAIN(tst_FillAll)
#include "tst_FillAll.moc"
