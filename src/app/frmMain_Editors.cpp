// The main window's side of the site and product editors and the site import: opening them and showing what they
// saved.
#include "ExternalOpen.h"
#include "MessageBox.h"
#include "SiteRow.h"
#include "Trap.h"
#include "cViewFilter.h"
#include "frmDuplicateSites.h"
#include "frmMain.h"
#include "frmProduct.h"
#include "frmSite.h"
#include "frmSiteImport.h"
#include "frmSiteListImport.h"
#include "modMain.h"

#include <QComboBox>
#include <QTreeWidget>

#include <algorithm>

void frmMain::SiteNew() {
    Trap(QStringLiteral("Error in SiteNew: "), [&] {
        gViewFilter->EditingModeSiteID = 0;
        ShowSiteEditor();
    });
}

void frmMain::SiteProperty() {
    Trap(QStringLiteral("Error in SiteProperty: "), [&] {
        const QTreeWidgetItem* row = SiteRow::SelectedItem(lvwSites);
        if (!row) {
            MsgBox(tr("Select web site to modify"), Msg::Buttons::Ok, Msg::Icon::Exclamation);
            return;
        }
        gViewFilter->EditingModeSiteID = SiteRow::IdOf(row);
        ShowSiteEditor();
    });
}

void frmMain::ShowSiteEditor() {
    frmSite editor(SiteEditorLinks{gViewFilter->EditingModeSiteID, gSite, [](QString& address) { VisitSite(address); },
                                   [this](qint32 siteID) { ShowSavedSite(siteID); }},
                   this);
    editor.exec();
}

void frmMain::SiteImportFromFile() {
    frmSiteImport import([this] { cboFilterStatus_Click(); }, this);
    import.exec();
}

void frmMain::SiteImportList() {
    frmSiteListImport import([this] { cboFilterStatus_Click(); }, this);
    import.exec();
}

void frmMain::SiteFindDuplicates() {
    frmDuplicateSites duplicates([this] { cboFilterStatus_Click(); }, this);
    duplicates.exec();
}

void frmMain::ShowSavedSite(qint32 siteID) {
    cboFilterStatus_Click();
    lvwSites->clearSelection();
    // The saved site may be filtered out of the list: then nothing is selected.
    if (QTreeWidgetItem* row = SiteRow::FindByKey(lvwSites, SiteRow::KeyFor(siteID)))
        SiteRow::SelectAndShow(lvwSites, row);
}

void frmMain::ShowProductEditor() {
    // The chosen product is found again by its key: a product added or renamed before it in the selector
    // would put another one at its old position, and statuses would be recorded against that one.
    const QVariant chosen = cboProducts->currentIndex() >= 1 ? cboProducts->currentData() : QVariant();
    frmProduct editor(ProductEditorLinks{gViewFilter->EditingModeProductID, gProduct,
                                         [this, chosen] {
                                             LoadComboProducts();
                                             // "Select one" when none was chosen, or the chosen one is gone.
                                             cboProducts->setCurrentIndex(
                                                 chosen.isValid() ? std::max(0, cboProducts->findData(chosen)) : 0);
                                             cboProducts_Click();
                                         }},
                      this);
    editor.exec();
}
