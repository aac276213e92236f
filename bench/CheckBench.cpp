// Checking a thousand sites against servers on this machine that answer after 20 ms, and storing the results. The
// servers run in a thread of their own, as other machines would: their work is not the checker's. The sites
// spread over many ports, as the checker asks one host at a time.
#include "Bench.h"
#include "DbConnection.h"
#include "LoopbackHttpServer.h"
#include "SiteChecker.h"

#include <QEventLoop>
#include <QThread>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kSites = 1000;
constexpr int kServers = 125;

std::vector<std::unique_ptr<LoopbackHttpServer>> gServers;
QList<SiteToCheck> gSites;
QThread gServerThread;
QObject* gServerSide = nullptr; // lives in gServerThread

void onServerThread(const std::function<void()>& work) {
    QMetaObject::invokeMethod(gServerSide, work, Qt::BlockingQueuedConnection);
}

void prepare() {
    MakeBenchArchive();
    gServerThread.start();
    gServerSide = new QObject;
    gServerSide->moveToThread(&gServerThread);
    onServerThread([] {
        for (int i = 0; i < kServers; ++i) {
            auto server = std::make_unique<LoopbackHttpServer>();
            server->ok(QStringLiteral("/submit.php"), "x", "text/html");
            server->setDelay(std::chrono::milliseconds(20));
            gServers.push_back(std::move(server));
        }
    });
    const DbConnection db;
    for (int i = 0; i < kSites; ++i) {
        const QString address = gServers[i % kServers]->url(QStringLiteral("/submit.php")).toString();
        gSites.append({db.insert(QStringLiteral("INSERT INTO tab_sites (name, submitUrl) VALUES (?, ?)"),
                                 {QStringLiteral("Site %1").arg(i), address}),
                       address, QStringLiteral("Site %1").arg(i)});
    }
}

void checkAll() {
    SiteChecker checker(QStringLiteral("QuillomarPadSubmitter/bench"));
    QEventLoop loop;
    QList<SiteCheck> checks;
    QObject::connect(&checker, &SiteChecker::Checked, [&](const SiteCheck& check) { checks << check; });
    QObject::connect(&checker, &SiteChecker::Finished, &loop, &QEventLoop::quit);
    checker.Start(gSites);
    loop.exec();
    SaveSiteChecks(checks);
    const qsizetype ok =
        std::count_if(checks.cbegin(), checks.cend(), [](const SiteCheck& c) { return c.result == CheckResult::Ok; });
    if (ok != kSites)
        qFatal("%d of %d sites answered OK", int(ok), kSites);
}

const bool registered = [] {
    RegisterBenchCase({QStringLiteral("check_1000"), prepare, checkAll, [] {
                           onServerThread([] { gServers.clear(); });
                           gServerSide->deleteLater();
                           gServerThread.quit();
                           gServerThread.wait();
                           gSites.clear();
                       }});
    return true;
}();

} // namespace
