#pragma once

// Every window of the program, made as it first shows, for the tests that walk them all: the main window (which
// `RunningProgram` has started) first, then the history log and each dialog.
#include "LoopbackHttpServer.h"
#include "cProduct.h"
#include "cSite.h"
#include "frmAbout.h"
#include "frmDuplicateSites.h"
#include "frmMain.h"
#include "frmOptions.h"
#include "frmPadSource.h"
#include "frmPadUpdate.h"
#include "frmProduct.h"
#include "frmProductHistory.h"
#include "frmProductHistoryItem.h"
#include "frmRestoreBackup.h"
#include "frmSite.h"
#include "frmSiteCheck.h"
#include "frmSiteImport.h"
#include "frmSiteListImport.h"
#include "frmSplash.h"
#include "modMain.h"

#include <memory>
#include <vector>

// A widget as the reports of faults name it: by its object name, else by its class.
inline QString NameOf(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

class EveryWindow final {
public:
    EveryWindow() {
        server.hang("/pad.xml"); // the update window is shown while it reads
        padProduct.PADurl = server.url("/pad.xml").toString();
        dialogs.push_back(std::make_unique<frmAbout>());
        dialogs.push_back(std::make_unique<frmSplash>());
        dialogs.push_back(std::make_unique<frmOptions>());
        dialogs.push_back(std::make_unique<frmRestoreBackup>());
        dialogs.push_back(std::make_unique<frmProductHistoryItem>(&history));
        dialogs.push_back(std::make_unique<frmSite>(SiteEditorLinks{editingID, site, {}, {}}));
        dialogs.push_back(std::make_unique<frmProduct>(ProductEditorLinks{editingID, product, {}}));
        dialogs.push_back(std::make_unique<frmSiteImport>(nullptr));
        dialogs.push_back(std::make_unique<frmSiteCheck>(QString(), frmSiteCheck::Links{}));
        dialogs.push_back(std::make_unique<frmSiteListImport>(nullptr));
        dialogs.push_back(std::make_unique<frmDuplicateSites>(nullptr));
        dialogs.push_back(std::make_unique<frmPadSource>("https://www.example.com/pad.xml"));
        dialogs.push_back(std::make_unique<frmPadUpdate>(padProduct));
    }

    QList<QWidget*> all() {
        QList<QWidget*> windows{gMainWindow, &history};
        for (const auto& dialog : dialogs)
            windows << dialog.get();
        return windows;
    }

private:
    qint32 editingID = 0;
    std::unique_ptr<cSite> site;
    std::unique_ptr<cProduct> product;
    frmProductHistory history;
    LoopbackHttpServer server;
    cProduct padProduct;
    std::vector<std::unique_ptr<QWidget>> dialogs;
};
