// Importing a site list of ten thousand lines, from reading the file to the last row committed.
#include "Bench.h"
#include "SiteImport.h"

#include <QFile>

namespace {

QString gListPath;

void prepare() {
    gListPath = MakeBenchArchive() + QStringLiteral("/sites.txt");
    QFile file(gListPath);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(gListPath));
    for (int i = 1; i <= 10000; ++i)
        file.write(QStringLiteral("Site %1;http://site%1.example/submit.php\r\n").arg(i).toUtf8());
}

void importAll() {
    const QStringList lines = SiteImport::ReadLines(gListPath);
    SiteImport::Inserter inserter;
    for (const QString& line : lines)
        inserter.Insert(SiteImport::ParseLine(line, QLatin1Char(';')));
}

const bool registered = [] {
    RegisterBenchCase({QStringLiteral("import_10000"), prepare, importAll});
    return true;
}();

} // namespace
