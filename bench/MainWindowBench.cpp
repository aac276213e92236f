// The site list rebuild and the home page on a large archive.
#include "Bench.h"
#include "HomePage.h"
#include "SiteList.h"

#include <QTreeWidget>

#include <memory>

namespace {

std::unique_ptr<QTreeWidget> gList;

void rebuild(const QString& search) {
    // Product 1 chosen, filter All, ordered by address.
    BuildSiteList(gList.get(), SiteListFilter{1, -1, search, false, 1}, [](const QString&) {});
}

void prepareSiteList(int sites) {
    MakeBenchArchive();
    SeedBenchArchive(sites, 20, 1);
    gList = std::make_unique<QTreeWidget>();
    gList->resize(600, 800);
    MakeSiteListColumns(gList.get());
    gList->show();
}

const bool registered = [] {
    // Addresses of sites whose number ends in 7: a tenth of them. Ten times the sites should cost at most ten times.
    for (const int sites : {5000, 50000}) {
        const auto prepare = [sites] { prepareSiteList(sites); };
        RegisterBenchCase(
            {QStringLiteral("rebuild_%1x20").arg(sites), prepare, [] { rebuild(QString()); }, [] { gList.reset(); }});
        RegisterBenchCase({QStringLiteral("search_%1x20").arg(sites), prepare,
                           [] { rebuild(QStringLiteral("7.example")); }, [] { gList.reset(); }});
    }
    RegisterBenchCase({QStringLiteral("home_100"),
                       [] {
                           MakeBenchArchive();
                           SeedBenchArchive(5000, 100, 1);
                       },
                       [] { HomePageHtml(QString()); }});
    // Each product submitted to a twentieth of the sites: 250 status rows a product, 250,000 in all.
    RegisterBenchCase({QStringLiteral("home_1000"),
                       [] {
                           MakeBenchArchive();
                           SeedBenchArchive(5000, 1000, 20);
                       },
                       [] { HomePageHtml(QString()); }});
    return true;
}();

} // namespace
