// The home page of the main window.
#include "HomePage.h"
#include "Trap.h"
#include "WebBrowser.h"
#include "frmMain.h"
#include "modMain.h"

#include <QSaveFile>

QString frmMain::StartPagePath() {
    return gAppPath + QStringLiteral("/webStart.html");
}

bool frmMain::ShowsStartPage() const {
    return webSite->url() == QUrl::fromLocalFile(StartPagePath());
}

void frmMain::LoadStaticHtml(const QString& strBody) {
    Trap(QStringLiteral("Error in LoadStaticHtml: "), [&] {
        const QString path = StartPagePath();
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            throw Failure(file.errorString());
        // The byte order mark tells the browser the page is UTF-8, so non-ASCII product names show right.
        file.write("\xEF\xBB\xBF" + HomePageHtml(strBody).toUtf8() + "\r\n");
        if (!file.commit())
            throw Failure(file.errorString());
        webSite->Navigate(path);
    });
}

void frmMain::cmdHome_Click() {
    LoadStaticHtml(QString());
}
