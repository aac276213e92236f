#include "FormMaps.h"
#include "LoopbackHttpServer.h"
#include "PageWaits.h"
#include "RunningProgram.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "frmSite.h"

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
    const char* released;
    const char* sizeKB;
};
const Product kTool{"Tool",
                    "1.0",
                    "http://tool.example/",
                    "http://tool.example/pad.xml",
                    "http://tool.example/t.zip",
                    "Tool does things",
                    "2024-03-05",
                    "2"};
const Product kOther{"Other",
                     "2.5",
                     "http://other.example/",
                     "http://other.example/pad.xml",
                     "http://other.example/o.zip",
                     "Other does more",
                     "2025-12-31",
                     "3"};

qint32 seedProduct(const Product& p) {
    return SeedProduct(p.name, {{"version", p.version},
                                {"programURL", p.home},
                                {"padURL", p.pad},
                                {"exeDownload_1", p.download},
                                {"shortDescription", p.summary},
                                {"author", "Ann"},
                                {"releaseDate", p.released},
                                {"sizeKB", p.sizeKB}});
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
        return Evaluate(*w()->webSite, "return ['t', 'v', 'w', 'g', 'b', 'a', 'd', 's'].map(function (id) {"
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
        server.ok("/sent.php", "<title>Sent</title>Thank you", "text/html");
        p = std::make_unique<RunningProgram>([this](const TestProgramDir&) {
            seedProduct(kTool);
            seedProduct(kOther);
            SeedSite(server.url("/add.php").toString());
            SeedSite("http://elsewhere.example/add.php");
        });
        QVERIFY(p->started);
    }
    void cleanupTestCase() { p.reset(); }
    void init() {
        p->dir.sql("DELETE FROM tab_formMaps");
        p->boxes.clear();
    }

    // Fill all leaves two boxes and guesses one wrong; the author corrects them, empties one, sends the form and sets
    // the status.
    // The next fill, for another product, takes what the site taught; another host and a renamed field do not.
    void theAuthorsCorrectionsTeachTheNextFill() {
        p->chooseProduct("Tool");
        p->click(Learning, {}, true);
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Learn"), kLoadTimeout);
        fill();
        QCOMPARE(values(), QString("Tool|1.0|http://tool.example/|||Ann||"));
        QVERIFY(
            Evaluate(*w()->webSite,
                     "var v = {w: arguments[0], g: arguments[1], b: arguments[2], a: '', d: '05.03.2024', s: '2048'};"
                     "for (var id in v) document.getElementById(id).value = v[id]; return 1;",
                     {kTool.pad, kTool.download, kTool.summary})
                .isValid());
        // Sent, as authors do before they record it: the site's answer is shown when the status is set.
        QVERIFY(Evaluate(*w()->webSite, "document.getElementById('send').click(); return 1;").isValid());
        QTRY_COMPARE_WITH_TIMEOUT(w()->webSite->title(), QString("Sent"), kLoadTimeout);
        p->trigger("SiteSubmitted");
        const QString maps = "SELECT group_concat(fieldKey || '=' || productColumn, ' ') FROM "
                             "(SELECT * FROM tab_formMaps WHERE siteID = 1 ORDER BY fieldKey)";
        QTRY_COMPARE_WITH_TIMEOUT(p->dir.scalar(maps).toString(),
                                  QString("auth= blurb=shortDescription fetch=exeDownload_1 prog=name ver=version "
                                          "web=padURL weight=sizeKB when=releaseDate"),
                                  kLoadTimeout);

        p->chooseProduct("Other");
        p->click(Learning, {}, true);
        QTRY_COMPARE_WITH_TIMEOUT(values(), QString("|||||||"), kLoadTimeout);
        fill();
        QCOMPARE(values(), QString("Other|2.5|http://other.example/pad.xml|http://other.example/o.zip|"
                                   "Other does more||31.12.2025|3072"));
        p->boxes.clear();
        QTest::mouseClick(w()->cmdFillReport, Qt::LeftButton);
        QVERIFY(p->boxes.texts().value(0).startsWith("Filled 7 fields (7 from this site's form, 0 by their words)"));

        // The same form on another host, with the learning site still selected: judged by its words alone.
        show(QUrl(server.url("/add.php").toString().replace("127.0.0.1", "localhost")));
        fill();
        QCOMPARE(values(), QString("Other|2.5|http://other.example/|||Ann||"));
        p->trigger("miBrowserRememberForm");
        QVERIFY(p->boxes.texts().last().startsWith("The page shown is not on the selected site"));

        // The web address box renamed on the site: its words decide again, the other fields stay learned.
        server.ok("/add.php", QByteArray(page).replace("name=\"web\"", "name=\"site_url\""), "text/html");
        show(server.url("/add.php"));
        fill();
        QCOMPARE(
            values(),
            QString("Other|2.5|http://other.example/|http://other.example/o.zip|Other does more||31.12.2025|3072"));
        p->trigger("miBrowserRememberForm");
        QTRY_COMPARE_WITH_TIMEOUT(p->boxes.texts().last(), QString("Remembered 7 fields of this site's form."),
                                  kLoadTimeout);
        QCOMPARE(p->dir.scalar("SELECT productColumn FROM tab_formMaps WHERE fieldKey = 'site_url'"),
                 QVariant("programURL"));
        server.ok("/add.php", page, "text/html");
    }

    // The site editor lists what its forms taught, and forgets it on request.
    void theSiteEditorListsAndForgetsLearnedFields() {
        StoreFormMaps({{Learning, {{"/add.php", "web", "padURL"}, {"/add.php", "auth", ""}}}});
        p->click(Learning);
        p->boxes.answer(Msg::Answer::Yes);
        QVERIFY(p->drive<frmSite>("SiteProperty", [](frmSite* editor) {
            QCOMPARE(editor->lvwLearnedFields->topLevelItemCount(), 2);
            QCOMPARE(editor->lvwLearnedFields->topLevelItem(0)->text(2), QString("leave empty"));
            QTest::mouseClick(editor->cmdForgetLearned, Qt::LeftButton);
            QCOMPARE(editor->lvwLearnedFields->topLevelItemCount(), 0);
            editor->reject();
        }));
        QCOMPARE(p->dir.scalar("SELECT COUNT(*) FROM tab_formMaps").toInt(), 0);
    }

    // Exported, then imported into an archive that holds the same sites under other keys and addresses written
    // otherwise: the same maps.
    void exportThenImportGivesTheSameMaps() {
        StoreFormMaps({{Learning, {{"/add.php", "web", "padURL"}, {"/add.php", "auth", ""}}},
                       {Elsewhere, {{"/add.php", "title", "name"}}}});
        const QString maps =
            "SELECT group_concat(x, ' ') FROM (SELECT s.name || ':' || formPath || ':' || fieldKey || "
            "'=' || productColumn AS x FROM tab_formMaps m JOIN tab_sites s USING (siteID) ORDER BY x)";
        p->dir.sql("UPDATE tab_sites SET name = 'site' || siteID");
        const QString before = p->dir.scalar(maps).toString();
        FileDialogSpy files;
        files.chooseSave(p->dir.filePath("maps.json"));
        p->trigger("miFileExportFormMaps");
        p->dir.sql("DELETE FROM tab_formMaps");
        p->dir.sql("DELETE FROM tab_sites");
        SeedSite("https://www.ELSEWHERE.example/add.php/", {{"name", "site2"}});
        SeedSite(server.url("/add.php").toString(), {{"name", "site1"}});
        SeedSite("http://unrelated.example/", {{"name", "site3"}});
        files.choose(p->dir.filePath("maps.json"));
        p->trigger("miFileImportFormMaps");
        QCOMPARE(p->dir.scalar(maps).toString(), before);
        QCOMPARE(p->boxes.texts().last(), QString("Imported 3 learned fields; 0 entries name no site of the archive."));
    }

    void aMalformedFileChangesNothing_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("fault");
        const QByteArray good = R"({"site": "http://elsewhere.example/add.php", "formPath": "/add.php", )"
                                R"("fieldKey": "k", "column": "name"})";
        QTest::newRow("not JSON") << QByteArray("{\n \"formMaps\": [\n  {\"site\": \"a\",}\n]}") << "line 3, column ";
        QTest::newRow("no list") << QByteArray(R"({"maps": []})") << R"(the file holds no "formMaps" list)";
        QTest::newRow("not an object") << R"({"formMaps": [)" + good + ", 3]}"
                                       << "entry 2: not an object";
        QTest::newRow("no field key") << QByteArray(R"({"formMaps": [{"site": "a", "formPath": "/", "column": ""}]})")
                                      << R"(entry 1: "fieldKey" is missing or not a text)";
        QTest::newRow("no such column") << R"({"formMaps": [)" + QByteArray(good).replace("name", "password") + "]}"
                                        << R"(entry 1: "password" is no product column)";
    }
    void aMalformedFileChangesNothing() {
        QFETCH(QByteArray, file);
        QFETCH(QString, fault);
        StoreFormMaps({{Elsewhere, {{"/add.php", "k", "version"}}}});
        const QString maps = "SELECT group_concat(siteID || fieldKey || productColumn) FROM tab_formMaps";
        const QString before = p->dir.scalar(maps).toString();
        p->dir.writeFile("bad.json", file);
        FileDialogSpy files;
        files.choose(p->dir.filePath("bad.json"));
        p->trigger("miFileImportFormMaps");
        QCOMPARE(p->boxes.texts().size(), 1);
        QVERIFY2(p->boxes.texts()[0].contains("nothing was imported: " + fault), qPrintable(p->boxes.texts()[0]));
        QCOMPARE(p->dir.scalar(maps).toString(), before);
    }
};

QUILL_TEST_MAIN(tst_FormMaps)
#include "tst_FormMaps.moc"
