#include "Bench.h"
#include "DateText.h"
#include "DbConnection.h"
#include "ExtraTables.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

std::vector<BenchCase>& cases() {
    static std::vector<BenchCase> all;
    return all;
}

constexpr int kRuns = 15;

double medianMs(const BenchCase& benchCase) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        if (benchCase.reset)
            benchCase.reset();
        QElapsedTimer timer;
        timer.start();
        benchCase.run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

void RegisterBenchCase(BenchCase benchCase) {
    cases().push_back(std::move(benchCase));
}

QString MakeBenchArchive() {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench-%1.db").arg(QDateTime::currentMSecsSinceEpoch()));
    QFile::copy(QStringLiteral(QUILL_EMPTY_DB), path);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    gConnectionString = ConnectionStringFor(path);
    EnsureExtraTables(); // as the program's start prepares the archive
    return dir.path();
}

void SeedBenchArchive(int sites, int products, int statusEvery) {
    DbConnection db;
    const QString now = DbNow();
    // Generated inside the database: a row at a time through the driver would take longer than the cases.
    db.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                              "INSERT INTO tab_sites (name, submitUrl, rank, authReq, userID, insertDate) "
                              "SELECT 'Site ' || i, 'http://site' || i || '.example/submit.php', i % 100, i % 3 = 0, "
                              "CASE WHEN i % 2 THEN 'me' ELSE '' END, ? FROM n"),
               {sites, now});
    db.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                              "INSERT INTO tab_products (name, version) SELECT 'Product ' || i, '1.' || i FROM n"),
               {products});
    db.execute(QStringLiteral("INSERT INTO tab_productStatus (siteID, productID, submitStatus, oldVersion, "
                              "insertDate, updateDate) SELECT s.siteID, p.productID, (s.siteID + p.productID) % 3, "
                              "s.siteID % 7 = 0, ?, ? FROM tab_sites s, tab_products p "
                              "WHERE (s.siteID + p.productID) % ? = 0"),
               {now, now, statusEvery});
}

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QStringList wanted = app.arguments().mid(1);
    for (const BenchCase& benchCase : cases()) {
        if (!wanted.isEmpty() && !wanted.contains(benchCase.name))
            continue;
        benchCase.prepare();
        std::printf("%s median_ms=%.2f runs=%d\n", qPrintable(benchCase.name), medianMs(benchCase), kRuns);
        std::fflush(stdout);
        if (benchCase.finish)
            benchCase.finish();
    }
    return 0;
}
