#include "ExtraTables.h"
#include "LoopbackHttpServer.h"
#include "Seed.h"
#include "SiteRow.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "frmSiteCheck.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace std::chrono_literals;

namespace {

// The window, as the main window opens it, with a time limit short enough for a test.
struct CheckWindow {
    explicit CheckWindow(const QList<qint64>& siteIDs = {}) {
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->Checker().SetTimeout(500ms);
        window->SetSitesToCheck(siteIDs);
    }
    ~CheckWindow() { delete window; }
    frmSiteCheck* window = new frmSiteCheck("QuillomarPadSubmitter/test", {{}, [this] { ++changes; }});
    int changes = 0;
};

QString result(qint64 siteID) {
    return TestProgramDir::scalar("SELECT resultCode || ' ' || ifnull(httpStatus, '-') || ' ' || "
                                  "ifnull(newAddress, '') FROM tab_siteChecks WHERE siteID = ?",
                                  {siteID})
        .toString()
        .trimmed();
}

} // namespace

// Checks of sites against servers on this machine, through the window "Site check" and the archive.
class tst_SiteCheck final : public QObject {
    Q_OBJECT

private slots:
    // One check of a mixed list: each site its result; then the results read back from the archive by a window
    // opened anew, moved addresses taken over, failed sites deleted after a backup.
    void mixedListEndToEnd() {
        TestProgramDir dir;
        EnsureExtraTables();
        MsgBoxSpy boxes;
        LoopbackHttpServer web, silent;
        web.ok("/ok", "x", "text/html");
        web.refuseHead("/no-head", "x");
        web.redirect("/moved", "/temporary", 301);
        web.redirect("/temporary", "/ok", 302);
        web.redirect("/permanent", web.url("/ok").toString(), 308);
        web.redirect("/found", "/ok", 302);
        web.redirect("/to-gone", "/missing", 307);
        web.redirect("/loop", "/loop", 301);
        web.respond("/gone", "HTTP/1.1 410 Gone\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        web.respond("/broken", "HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        silent.hang("/never");
        LoopbackHttpServer tls(LoopbackHttpServer::Kind::SelfSignedHttps);
        tls.ok("/", "x", "text/html");

        const QString ok = web.url("/ok").toString();
        // address, result code, HTTP status, new address
        const QList<std::tuple<QString, int, QString, QString>> table = {
            {ok, 1, "200", {}},
            {web.url("/no-head").toString(), 1, "200", {}},
            {web.url("/moved").toString(), 2, "301", ok},
            {web.url("/permanent").toString(), 2, "308", ok},
            {web.url("/found").toString(), 3, "302", ok},
            {web.url("/missing").toString(), 4, "404", {}},
            {web.url("/gone").toString(), 4, "410", {}},
            {web.url("/to-gone").toString(), 4, "404", web.url("/missing").toString()},
            {web.url("/broken").toString(), 5, "500", {}},
            {web.url("/loop").toString(), 6, "-", {}},
            {silent.url("/never").toString(), 6, "-", {}},
            {QString("http://127.0.0.1:%1/").arg(LoopbackHttpServer::closedPort()), 6, "-", {}},
            {tls.url("/").toString(), 6, "-", {}},
            {"ftp://files.example/", 6, "-", {}},
        };
        QList<qint64> ids;
        for (const auto& row : table)
            ids << SeedSite(std::get<0>(row));
        {
            CheckWindow check(ids);
            check.window->cmdStart->click();
            QVERIFY(check.window->Checker().Running());
            QTRY_VERIFY_WITH_TIMEOUT(!check.window->Checker().Running(), 10000);
        }
        for (int i = 0; i < table.size(); ++i) {
            const auto& [address, code, status, newAddress] = table[i];
            QCOMPARE(result(ids[i]), QString("%1 %2 %3").arg(code).arg(status, newAddress).trimmed());
        }
        const auto reason = [&](int row) {
            return dir.scalar("SELECT reason FROM tab_siteChecks WHERE siteID = ?", {ids[row]}).toString();
        };
        QCOMPARE(reason(10), QString("No answer within 0.5 s."));
        QCOMPARE(reason(11), QString("The server refused the connection."));
        QVERIFY2(reason(12).startsWith("The secure connection failed (TLS): "), qPrintable(reason(12)));

        CheckWindow reopened;
        QCOMPARE(reopened.window->lvwChecks->topLevelItemCount(), table.size());
        reopened.window->cmdUseNewAddress->click();
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_sites WHERE submitUrl = ?", {ok}).toInt(), 3);
        QCOMPARE(result(ids[2]), QString()); // the check of the old address went with it
        QCOMPARE(reopened.window->lvwChecks->topLevelItemCount(), table.size() - 2);

        boxes.answer(Msg::Answer::Yes);
        reopened.window->cmdDeleteFailed->click();
        QVERIFY2(boxes.texts().join('|').contains("Delete the 8 sites that are gone or unreachable?"),
                 qPrintable(boxes.texts().join('|')));
        QCOMPARE(QDir(dir.filePath("backups")).entryList(QDir::Files).size(), 1);
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_sites").toInt(), table.size() - 8);
        QCOMPARE(dir.scalar("SELECT COUNT(*) FROM tab_siteChecks").toInt(), 4);
        QCOMPARE(reopened.changes, 2);
    }

    // Cancel ends the check at once; the results so far stay, in the window and in the archive.
    void cancelKeepsResultsSoFar() {
        TestProgramDir dir;
        EnsureExtraTables();
        LoopbackHttpServer web, silent1, silent2;
        web.ok("/ok", "x");
        silent1.hang("/never");
        silent2.hang("/never");
        const QList<qint64> ids = {SeedSite(silent1.url("/never").toString()),
                                   SeedSite(silent2.url("/never").toString()), SeedSite(web.url("/ok").toString()),
                                   SeedSite(web.url("/missing").toString())};
        CheckWindow check(ids);
        check.window->Checker().SetTimeout(5s);
        check.window->cmdStart->click();
        QTRY_COMPARE(check.window->lvwChecks->topLevelItemCount(), 2);
        check.window->cmdCancel->click();
        QVERIFY(!check.window->Checker().Running());
        QVERIFY(check.window->cmdStart->isEnabled());
        QCOMPARE(dir.scalar("SELECT group_concat(siteID) FROM tab_siteChecks").toString(), QString("3,4"));
    }
};

QUILL_TEST_MAIN(tst_SiteCheck)
#include "tst_SiteCheck.moc"
