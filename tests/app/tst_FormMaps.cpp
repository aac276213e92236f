#include "FormMaps.h"
#include "LoopbackHttpServer.h"
#include "PageWaits.h"
#include "RunningProgram.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QToolButton>

// Learning a site's form from the author's corrections, through the real engine and archive: the page comes from a
// loopback server, so that it has a host the site's address names.
namespace {

enum Site { Learning = 1, Elsewhere };

struct Product {
    const char* name;
    const char* version;
    const char* home;
    const char* pad;
    const char* download;
    const char* summary;
};
const Product kTool{"Tool",
                    "1.0",
                    "http://tool.example/",
                    "http://tool.example/pad.xml",
                    "http://tool.example/t.zip",
                    "Tool does things"};
const Product kOther{
    "Other",          "2.5", "http://other.example/", "http://other.example/pad.xml", "http://other.example/o.zip",
    "Other does more"};

qint32 seedProduct(const Product& p) {
    return SeedProduct(p.name, {{"version", p.version},
                                {"programURL", p.home},
                                {"padURL", p.pad},
                                {"exeDownload_1", p.download},
                                {"shortDescription", p.summary},
                                {"author", "Ann"}});
}

} // namespace

class tst_FormMaps final : public QObject {
    Q_OBJECT

    LoopbackHttpServer server;
    QByteArray page = ReadFile(QFINDTESTDATA("pages/learn-form.html"));
    std::unique_ptr<RunningProgram> p;

    frmMain* w() const { return gMainWindow; }
    // The form's values by field id, in page order.
    QString values() {
        return Evaluate(*w()->webSite, "return ['t', 'v', 'w', 'g', 'b', 'a'].map(function (id) {"
                                       "  return document.getElementById(id).value; }).join('|');")
            .toString();
    }
    void show(const QUrl& address) { QVERIFY(NavigateAndWait(*w()->webSite, address.toString())); }
    void fill() {
        w()->StatusBar1Panel1->clear();
        QTest::mouseClick(w()->cmdFillAll, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w()->StatusBar1Panel1->text().isEmpty(), kLoadTimeout);
    }

private slots:
    void initTestCase() {
        server.ok("/add.php", page, "text/html");
        p = std::make_unique<RunningProgram>([this](const TestProgramDir&) {
            seedProduct(kTool);
            seedProduct(kOther);
            SeedSite(server.url("/add.php").toString());
            SeedSite("http://elsewhere.example/add.php");
        });
        QVERIFY(p->started);
    }
    void cleanupTestCase() { p.reset(); }

    // Fill all leaves two boxes and guesses one wrong; the author corrects them, empties one and sets the status.
    // The next fill, for another product, takes what the site taught; another host and a renamed field do not.
    void theAuthorsCorrectionsTeachTheNextFill() {
        p->chooseProduct("Tool");
        p->click(Learning, {}, true);
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Learn"), kLoadTimeout);
        fill();
        QCOMPARE(values(), QString("Tool|1.0|http://tool.example/|||Ann"));
        QVERIFY(Evaluate(*w()->webSite,
                         "var v = {w: arguments[0], g: arguments[1], b: arguments[2], a: ''};"
                         "for (var id in v) document.getElementById(id).value = v[id]; return 1;",
                         {kTool.pad, kTool.download, kTool.summary})
                    .isValid());
        p->trigger("SiteSubmitted");
        const QString maps = "SELECT group_concat(fieldKey || '=' || productColumn, ' ') FROM "
                             "(SELECT * FROM tab_formMaps WHERE siteID = 1 ORDER BY fieldKey)";
        QTRY_COMPARE_WITH_TIMEOUT(p->dir.scalar(maps).toString(),
                                  QString("auth= blurb=shortDescription fetch=exeDownload_1 prog=name ver=version "
                                          "web=padURL"),
                                  kLoadTimeout);

        p->chooseProduct("Other");
        p->click(Learning, {}, true);
        QTRY_COMPARE_WITH_TIMEOUT(values(), QString("|||||"), kLoadTimeout);
        fill();
        QCOMPARE(values(), QString("Other|2.5|http://other.example/pad.xml|http://other.example/o.zip|"
                                   "Other does more|"));
        p->boxes.clear();
        QTest::mouseClick(w()->cmdFillReport, Qt::LeftButton);
        QVERIFY(p->boxes.texts().value(0).startsWith("Filled 5 fields (5 from this site's form, 0 by their words)"));

        // The same form on another host, with the learning site still selected: judged by its words alone.
        show(QUrl(server.url("/add.php").toString().replace("127.0.0.1", "localhost")));
        fill();
        QCOMPARE(values(), QString("Other|2.5|http://other.example/|||Ann"));

        // The web address box renamed on the site: its words decide again, the other fields stay learned.
        server.ok("/add.php", QByteArray(page).replace("name=\"web\"", "name=\"site_url\""), "text/html");
        show(server.url("/add.php"));
        fill();
        QCOMPARE(values(), QString("Other|2.5|http://other.example/|http://other.example/o.zip|Other does more|"));
        server.ok("/add.php", page, "text/html");
    }
};

QUILL_TEST_MAIN(tst_FormMaps)
#include "tst_FormMaps.moc"
