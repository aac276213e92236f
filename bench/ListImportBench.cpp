// A published site list of ten thousand rows, with a header and quoted fields, through the list import window:
// read, previewed against the archive and stored in one transaction after the automatic backup.
#include "Bench.h"
#include "DbConnection.h"
#include "MessageBox.h"
#include "frmSiteListImport.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

std::unique_ptr<frmSiteListImport> gWindow;

void prepare() {
    const QString path = MakeBenchArchive() + QStringLiteral("/sites.csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write("Name,Notes,Submit URL\r\n");
    for (int i = 1; i <= 10000; ++i)
        file.write(QStringLiteral(
                       "\"Site %1, Inc.\",\"a \"\"free\"\" listing,\nreviewed\",http://site%1.example/submit.php\r\n")
                       .arg(i)
                       .toUtf8());
    SetMsgBoxInterceptor([](const MsgBoxRecord&) { return Msg::Answer::Ok; });
    gWindow = std::make_unique<frmSiteListImport>([] {});
    gWindow->txtFileName->setText(path);
    gWindow->show();
}

void importList() {
    gWindow->LoadFile();
    gWindow->cmdImport->click();
}

const bool registered = [] {
    RegisterBenchCase({QStringLiteral("import_list_10000"), prepare, importList,
                       [] {
                           gWindow.reset();
                           SetMsgBoxInterceptor({});
                       },
                       [] { DbConnection().execute(QStringLiteral("DELETE FROM tab_sites")); }});
    return true;
}();

} // namespace
