// The site list as a set of rows: context menu, bookmarks, selection, deletion, mouse and keys.
#include "ArchiveBackup.h"
#include "MessageBox.h"
#include "SiteCommands.h"
#include "SiteRow.h"
#include "Trap.h"
#include "frmMain.h"

#include <QMenu>
#include <QTreeWidget>

namespace {

enum { ColId };

} // namespace

void frmMain::buildSiteListMenu() {
    mnuLvwSites = new QMenu(this);
    mnuLvwSites->setObjectName(QStringLiteral("mnuLvwSites"));
    const auto item = [this](QMenu* menu, const char* name, const QString& caption, void (frmMain::*handler)()) {
        addCommand(menu, name, caption, [this, handler] { (this->*handler)(); });
    };
    const auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    const auto submenu = [this](const char* name, const QString& caption) {
        QMenu* menu = mnuLvwSites->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    item(mnuLvwSites, "miLvwSitesOpenSite", tr("Open PAD Site Submit URL"), &frmMain::lvwSites_DblClick);
    item(mnuLvwSites, "miLvwSitesOpenSiteHome", tr("Open PAD Site HomePage"), &frmMain::OpenSiteHome);
    item(mnuLvwSites, "miLvwSitesVisitSiteHomeInExternal", tr("Visit Site HomePage in External Browser"),
         &frmMain::VisitSiteHomeInExternal);
    separator(mnuLvwSites, "miLvwSitesSep0");

    QMenu* bookmark = submenu("miLvwSitesBookmark", tr("Bookmark"));
    item(bookmark, "miLvwSitesToggleBookmark", tr("Toggle bookmark"), &frmMain::miLvwSitesToggleBookmark_Click);
    item(bookmark, "miLvwSitesGoToNextBookmark", tr("Go to Next Bookmark"), &frmMain::miLvwSitesGoToNextBookmark_Click);
    separator(bookmark, "miLvwSitesSep2");
    item(bookmark, "miLvwSitesClearAllBookmark", tr("Clear all bookmark"), &frmMain::miLvwSitesClearAllBookmark_Click);
    separator(mnuLvwSites, "miLvwSitesSep");

    item(mnuLvwSites, "miLvwSitesSelectAll", tr("Select all"), &frmMain::SelectAllSites);
    item(mnuLvwSites, "miLvwSitesSelectNone", tr("Select none"), &frmMain::SelectNoSites);
    QMenu* status = submenu("miLvwSitesModifySiteStatus", tr("Status"));
    item(status, "miLvwSitesModifySiteNotSubmitted", tr("Not Submitted"),
         &frmMain::miLvwSitesModifySiteNotSubmitted_Click);
    item(status, "miLvwSitesModifySiteSubmitted", tr("Submitted"), &frmMain::miLvwSitesModifySiteSubmitted_Click);
    item(status, "miLvwSitesModifySitePublished", tr("Published"), &frmMain::miLvwSitesModifySitePublished_Click);
    separator(status, "miLvwSitesStatusSep1");
    item(status, "miLvwSitesModifySiteOldVersion", tr("Set \"Old Version\" on selected elements"),
         &frmMain::miLvwSitesModifySiteOldVersion_Click);
    item(status, "miLvwSitesModifySiteOldVersionAll", tr("Set \"Old Version\" on ALL elements"),
         &frmMain::miLvwSitesModifySiteOldVersionAll_Click);
    item(status, "miLvwSitesModifySiteActualVersion", tr("Set \"Actual Version\""),
         &frmMain::miLvwSitesModifySiteActualVersion_Click);
    separator(status, "miLvwSitesStatusSep2");
    item(status, "miLvwSitesModifySiteShowStatus", tr("Show history"), &frmMain::miLvwSitesModifySiteShowStatus_Click);
    separator(mnuLvwSites, "miLvwSitesSep3");

    item(mnuLvwSites, "miLvwSitesModifySite", tr("Web Site property..."), &frmMain::SiteProperty);
    item(mnuLvwSites, "miLvwSitesAddSite", tr("Add new site..."), &frmMain::SiteNew);
    item(mnuLvwSites, "miLvwSitesDelete", tr("Delete site"), &frmMain::SiteDelete);
}

void frmMain::lvwSites_MouseUp(Qt::MouseButton button, const QPoint& position) {
    m_lvwSitesMouseUp = position;
    if (!lvwSites->itemAt(position)) {
        if (QTreeWidgetItem* selected = SiteRow::SelectedItem(lvwSites))
            selected->setSelected(false);
    }
    if (button == Qt::RightButton)
        mnuLvwSites->popup(lvwSites->viewport()->mapToGlobal(position));
}

void frmMain::lvwSites_KeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        lvwSites_DblClick();
    else if (key == Qt::Key_Delete)
        SiteDelete();
}

void frmMain::ToggleBookmarkAt(qint32 siteID) {
    Trap(QStringLiteral("Error in ToggleBookmarkAt: "), [&] {
        const bool marked = ToggleBookmark(siteID);
        if (QTreeWidgetItem* selected = SiteRow::SelectedItem(lvwSites))
            SiteRow::SetIcon(selected, ColId, marked ? QStringLiteral("bookmark") : QStringLiteral("empty"));
    });
}

void frmMain::ClearAllBookmark() {
    Trap(QStringLiteral("Error in ClearAllBookmark: "), [] { ClearAllBookmarks(); });
}

void frmMain::miLvwSitesToggleBookmark_Click() {
    Trap(QStringLiteral("Error in miLvwSitesToggleBookmark_Click: "), [&] {
        if (const QTreeWidgetItem* selected = SiteRow::SelectedItem(lvwSites))
            ToggleBookmarkAt(SiteRow::IdOf(selected));
    });
}

void frmMain::miLvwSitesGoToNextBookmark_Click() {
    Trap(QStringLiteral("Error in miLvwSitesGoToNextBookmark: "), [&] {
        QTreeWidgetItem* selected = SiteRow::SelectedItem(lvwSites);
        if (!selected)
            return;
        const int start = lvwSites->indexOfTopLevelItem(selected) + 1;
        if (start >= lvwSites->topLevelItemCount())
            MsgBox(tr("End of the list"));
        selected->setSelected(false);
        for (int i = start; i < lvwSites->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = lvwSites->topLevelItem(i);
            if (SiteRow::IconKey(row, ColId) == QLatin1String("bookmark")) {
                SiteRow::SelectAndShow(lvwSites, row);
                return;
            }
        }
    });
}

void frmMain::miLvwSitesClearAllBookmark_Click() {
    Trap(QStringLiteral("Error in miLvwSitesClearAllBookmark_Click: "), [&] {
        if (MsgBox(tr("Are you sure you want to clear all bookmarks? "), Msg::Buttons::YesNo, Msg::Icon::Question,
                   Msg::Answer::No, tr("Clear all bookmarks")) != Msg::Answer::Yes)
            return;
        ClearAllBookmark();
        cboFilterStatus_Click();
        MsgBox(tr("Bookmarks cleared"), Msg::Buttons::Ok, Msg::Icon::Information);
    });
}

void frmMain::SelectAllSites() {
    lvwSites->selectAll();
    // Commands act on the current row too: give the selection one when it has none.
    if (!lvwSites->currentItem() && lvwSites->topLevelItemCount() > 0)
        lvwSites->setCurrentItem(lvwSites->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
}

void frmMain::SelectNoSites() {
    lvwSites->clearSelection();
}

void frmMain::SiteDelete() {
    Trap(QStringLiteral("Error in SiteDelete: "), [&] {
        // A focused row that is not selected counts as nothing selected.
        if (!SiteRow::SelectedItem(lvwSites))
            return;
        if (MsgBox(tr("Are you sure you want to delete selected sites? "), Msg::Buttons::YesNo, Msg::Icon::Question,
                   Msg::Answer::No, tr("Deleting")) != Msg::Answer::Yes)
            return;
        if (!BackUpBeforeChange())
            return;
        DeleteSites(SiteRow::SelectedIds(lvwSites));
        cboProducts_Click();
    });
}
