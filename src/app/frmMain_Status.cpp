// The site list's status commands: status changes, old-version marks and the history log.
#include "ListViewSorting.h"
#include "MessageBox.h"
#include "SiteList.h"
#include "SiteRow.h"
#include "StatusQueries.h"
#include "SubmitStatus.h"
#include "Trap.h"
#include "frmMain.h"
#include "frmProductHistory.h"
#include "modMain.h"

#include <QCheckBox>
#include <QTreeWidget>

namespace {

void exclaim(const QString& text) {
    MsgBox(text, Msg::Buttons::Ok, Msg::Icon::Exclamation);
}

constexpr const char* kSelectProductToChange =
    QT_TRANSLATE_NOOP("frmMain", "You must select a product to change pad site status!");
constexpr const char* kSelectSiteToChange =
    QT_TRANSLATE_NOOP("frmMain", "You must select a site to change pad site status!");

} // namespace

void frmMain::ChangeSiteStatus(qint16 Status) {
    Trap(QStringLiteral("Error in ChangeSiteStatus: "), [&] {
        const qint32 productID = SelectedProductID();
        if (productID == 0) {
            exclaim(tr(kSelectProductToChange));
            return;
        }
        const QTreeWidgetItem* site = SiteRow::SelectedItem(lvwSites);
        if (!site) {
            exclaim(tr(kSelectSiteToChange));
            return;
        }
        const qint32 siteID = SiteRow::IdOf(site);
        const int position = lvwSites->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(site));
        // The status and its log row are stored together or not at all; only a stored change is announced.
        const QString address = RecordStatusChange(siteID, productID, Status);
        // Read while the message below is shown, before a next visit can take the page away.
        if ((Status == 1 || Status == 2) && siteID == m_filledSiteID)
            LearnShownForm(siteID, productID, false);
        const auto status = SubmitStatusOf(Status);
        MsgBox(
            tr("New status set is: %1 for site URL: %2").arg(status ? WordsFor(*status).message : QString(), address),
            Msg::Buttons::Ok, Msg::Icon::Information);
        cboProducts_Click();
        // The changed site is selected again only where the rebuilt list can still show it.
        const qint32 filter = CurrentFilter();
        if (!chkOldVersionOnly->isChecked() && (filter == -1 || filter == Status)) {
            if (QTreeWidgetItem* again = SiteRow::FindByKey(lvwSites, SiteRow::KeyFor(siteID)))
                SiteRow::SelectAndShow(lvwSites, again);
        }
        if (gNextRemainingSite || gNextOldVersionSite)
            VisitNextRemainingSite(siteID, position);
    });
}

// The rebuilt list may have dropped the changed site (a status filter): the search goes on from where it stood.
void frmMain::VisitNextRemainingSite(qint32 changedSiteID, int position) {
    const QTreeWidgetItem* changed = SiteRow::FindByKey(lvwSites, SiteRow::KeyFor(changedSiteID));
    QTreeWidgetItem* next = (gNextRemainingSite ? NextRemainingRow : NextOldVersionRow)(
        lvwSites, changed ? lvwSites->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(changed)) + 1 : position);
    if (!next)
        return;
    SiteRow::SelectAndShow(lvwSites, next);
    VisitPadSite(SiteRow::Tag(next));
    LoadUsernamePassword(SiteRow::IdOf(next));
}

void frmMain::ChangeSiteOldVersion(bool IsOld) {
    Trap(QStringLiteral("Error in ChangeSiteOldVersion: "), [&] {
        const qint32 productID = SelectedProductID();
        if (productID == 0) {
            exclaim(tr(kSelectProductToChange));
            return;
        }
        const QList<qint64> siteIDs = SiteRow::SelectedIds(lvwSites);
        if (siteIDs.isEmpty()) {
            exclaim(tr(kSelectSiteToChange));
            return;
        }
        if (MsgBox(tr("Are you sure you want to update status version information? "), Msg::Buttons::YesNo,
                   Msg::Icon::Question, Msg::Answer::No, tr("update status version information")) != Msg::Answer::Yes)
            return;
        const int changed = WriteOldVersionFlag(siteIDs, productID, IsOld);
        if (changed < 1)
            exclaim(tr("No status updated"));
        else
            MsgBox(tr("Status updated for %1 elements!").arg(changed), Msg::Buttons::Ok, Msg::Icon::Information);
        cboProducts_Click();
    });
}

void frmMain::ShowSiteHistory() {
    Trap(QStringLiteral("Error in ShowSiteShowSiteHistory: "), [&] {
        const qint32 productID = SelectedProductID();
        if (productID == 0) {
            exclaim(tr("You must select a product to show pad site status!"));
            return;
        }
        const QTreeWidgetItem* site = SiteRow::SelectedItem(lvwSites);
        if (!site) {
            exclaim(tr("You must select a site to show pad site status!"));
            return;
        }
        frmProductHistory history(this);
        history.SelectedSite = SiteRow::IdOf(site);
        history.SelectedProduct = productID;
        history.exec();
    });
}

bool frmMain::SiteStatusCommand(const QString& key) {
    if (key == QLatin1String("SiteNotSubmitted"))
        ChangeSiteStatus(0);
    else if (key == QLatin1String("SiteSubmitted"))
        ChangeSiteStatus(1);
    else if (key == QLatin1String("SitePublished"))
        ChangeSiteStatus(2);
    else if (key == QLatin1String("SiteOldVersion"))
        ChangeSiteOldVersion(true);
    else if (key == QLatin1String("SiteHistory"))
        ShowSiteHistory();
    else
        return false;
    return true;
}

void frmMain::miLvwSitesModifySiteNotSubmitted_Click() {
    ChangeSiteStatus(0);
}

void frmMain::miLvwSitesModifySiteSubmitted_Click() {
    ChangeSiteStatus(1);
}

void frmMain::miLvwSitesModifySitePublished_Click() {
    ChangeSiteStatus(2);
}

void frmMain::miLvwSitesModifySiteOldVersion_Click() {
    ChangeSiteOldVersion(true);
}

void frmMain::miLvwSitesModifySiteOldVersionAll_Click() {
    SelectAllSites();
    ChangeSiteOldVersion(true);
}

void frmMain::miLvwSitesModifySiteActualVersion_Click() {
    ChangeSiteOldVersion(false);
}

void frmMain::miLvwSitesModifySiteShowStatus_Click() {
    ShowSiteHistory();
}

void frmMain::lvwSites_ColumnClick(int column) {
    ListViewSorting(lvwSites, column);
}
