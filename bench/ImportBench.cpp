// Importing a site list of ten thousand lines, from reading the file to the last row committed: the reading and
// inserting alone, and through the import window with its progress display and its looks at the event loop.
#include "Bench.h"
#include "MessageBox.h"
#include "SiteImport.h"
#include "frmSiteImport.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

QString gListPath;
std::unique_ptr<frmSiteImport> gWindow;

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

void prepareWindow() {
    prepare();
    // The line count question is answered Yes; a line that fails would show up as a wrong total in a test, not here.
    SetMsgBoxInterceptor([](const MsgBoxRecord& box) {
        return box.buttons == Msg::Buttons::YesNo ? Msg::Answer::Yes : Msg::Answer::Ok;
    });
    gWindow = std::make_unique<frmSiteImport>([] {});
    gWindow->txtFileName->setText(gListPath);
    gWindow->findChild<QAbstractButton*>(QStringLiteral("optFileType_1"))->setChecked(true);
    gWindow->show();
}

const bool registered = [] {
    RegisterBenchCase({QStringLiteral("import_10000"), prepare, importAll});
    RegisterBenchCase({QStringLiteral("import_window_10000"), prepareWindow, [] { gWindow->cmdImport->click(); },
                       [] {
                           gWindow.reset();
                           SetMsgBoxInterceptor({});
                       }});
    return true;
}();

} // namespace
