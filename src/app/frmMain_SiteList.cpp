// The site list of the main window: its columns, filters and rebuild.
#include "SiteList.h"
#include "SubmitStatus.h"
#include "Trap.h"
#include "frmMain.h"
#include "modMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

void frmMain::LoadComboFilterStatus() {
    Trap(QStringLiteral("Error in LoadComboFilterStatus: "), [&] {
        const QSignalBlocker quiet(cboFilterStatus);
        cboFilterStatus->clear();
        cboFilterStatus->addItem(tr("All"), -1);
        for (const SubmitStatus status : kSubmitStatuses)
            cboFilterStatus->addItem(WordsFor(status).filter, int(status));
        cboFilterStatus->setCurrentIndex(-1);
    });
}

void frmMain::MakeLvwSitesColumns() {
    Trap(QStringLiteral("Error in MakeLvwSitesColumns: "), [&] { MakeSiteListColumns(lvwSites); });
}

qint32 frmMain::CurrentFilter() const {
    return cboFilterStatus->currentIndex() < 0 ? -1 : cboFilterStatus->currentData().toInt();
}

void frmMain::MakeLvwSitesContents(qint32 filter) {
    Trap(QStringLiteral("Error in MakeLvwSitesContents: "), [&] {
        const SiteListFilter shown{SelectedProductID(), filter, txtSearch->text(), chkOldVersionOnly->isChecked(),
                                   gSitesOrder};
        BuildSiteList(lvwSites, shown, [this](const QString& text) { StatusBar1Panel1->setText(text); });
    });
}

void frmMain::cboFilterStatus_Click() {
    Trap(QStringLiteral("Error in cboFilterStatusErr: "), [&] { MakeLvwSitesContents(CurrentFilter()); });
}

void frmMain::txtSearch_Change() {
    cboFilterStatus_Click();
}

void frmMain::chkOldVersionOnly_Click() {
    cboFilterStatus_Click();
}

void frmMain::cmdClearFilter_Click() {
    txtSearch->clear();
}
