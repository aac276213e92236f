// PAD Sites -> "Check sites...": hands the window "Site check" the sites and its links back to the list.
#include "AppInfo.h"
#include "MessageBox.h"
#include "SiteRow.h"
#include "Trap.h"
#include "frmMain.h"
#include "frmSiteCheck.h"

#include <QTreeWidget>

void frmMain::CheckSites() {
    Trap(QStringLiteral("Error in CheckSites: "), [&] {
        QList<qint64> siteIDs = SiteRow::SelectedIds(lvwSites);
        if (siteIDs.size() < 2)
            siteIDs = SiteRow::ShownIds(lvwSites);
        if (!m_siteCheck) {
            frmSiteCheck::Links links;
            links.selectSite = [this](qint64 siteID) {
                if (QTreeWidgetItem* row = SiteRow::FindByKey(lvwSites, SiteRow::KeyFor(siteID))) {
                    lvwSites->clearSelection();
                    SiteRow::SelectAndShow(lvwSites, row);
                } else
                    MsgBox(tr("The site is not in the list as it is shown now."), Msg::Buttons::Ok,
                           Msg::Icon::Information);
            };
            links.sitesChanged = [this] { cboProducts_Click(); };
            m_siteCheck = new frmSiteCheck(
                QStringLiteral("QuillomarPadSubmitter/%1 (site check)").arg(AppInfo::Version), std::move(links), this);
        }
        if (!m_siteCheck->Checker().Running())
            m_siteCheck->SetSitesToCheck(siteIDs);
        m_siteCheck->show();
        m_siteCheck->raise();
        m_siteCheck->activateWindow();
    });
}
