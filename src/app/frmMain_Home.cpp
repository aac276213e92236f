// The home page of the main window.
#include "HomePage.h"
#include "Trap.h"
#include "WebBrowser.h"
#include "frmMain.h"
#include "modMain.h"

QString frmMain::StartPagePath() {
    return gAppPath + QStringLiteral("/webStart.html");
}

bool frmMain::ShowsStartPage() const {
    return webSite->url() == QUrl::fromLocalFile(StartPagePath());
}

void frmMain::LoadStaticHtml(const QString& strBody) {
    Trap(QStringLiteral("Error in LoadStaticHtml: "), [&] {
        const QString path = StartPagePath();
        WriteHomePage(path, strBody);
        webSite->Navigate(path);
    });
}

void frmMain::cmdHome_Click() {
    LoadStaticHtml(QString());
}
