#include "frmDuplicateSites.h"

#include "ArchiveBackup.h"
#include "MessageBox.h"
#include "SiteDuplicates.h"
#include "Trap.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int SiteIdRole = Qt::UserRole;

} // namespace

frmDuplicateSites::frmDuplicateSites(std::function<void()> rebuildSiteList, QWidget* parent)
    : QDialog(parent), m_rebuildSiteList(std::move(rebuildSiteList)) {
    setObjectName(QStringLiteral("frmDuplicateSites"));
    setWindowTitle(tr("Find duplicate sites"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Sites whose submit addresses are the same. Select the site to keep "
                                    "and merge its group into it: the statuses and history of the others "
                                    "move to it, then they are deleted."),
                                 this));
    lvwGroups = new QTreeWidget(this);
    lvwGroups->setObjectName(QStringLiteral("lvwGroups"));
    lvwGroups->setAccessibleName(windowTitle());
    lvwGroups->setHeaderLabels({tr("Site"), tr("Submit URL"), tr("Statuses"), tr("History")});
    layout->addWidget(lvwGroups, 1);
    auto* buttons = new QHBoxLayout;
    cmdMerge = new QPushButton(tr("Keep this site, merge the group"), this);
    cmdMerge->setObjectName(QStringLiteral("cmdMerge"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(cmdMerge);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    connect(cmdMerge, &QPushButton::clicked, this, &frmDuplicateSites::cmdMerge_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(lvwGroups, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { cmdMerge->setEnabled(current && current->parent()); });
    ShowGroups();
    resize(sizeHint().expandedTo(QSize(720, 420)));
}

void frmDuplicateSites::ShowGroups() {
    lvwGroups->clear();
    cmdMerge->setEnabled(false);
    Trap(QStringLiteral("Error in ShowGroups: "), [&] {
        for (const DuplicateGroup& group : FindDuplicateSites()) {
            auto* groupRow = new QTreeWidgetItem(lvwGroups, {tr("%1 sites").arg(group.sites.size()), group.address});
            for (const DuplicateSite& site : group.sites) {
                auto* row = new QTreeWidgetItem(groupRow, {site.name, site.submitUrl, QString::number(site.statusRows),
                                                           QString::number(site.historyRows)});
                row->setData(0, SiteIdRole, site.siteID);
            }
        }
    });
    lvwGroups->expandAll();
    for (int column = 0; column < lvwGroups->columnCount(); ++column)
        lvwGroups->resizeColumnToContents(column);
    if (lvwGroups->topLevelItemCount() == 0)
        new QTreeWidgetItem(lvwGroups, {tr("No duplicate sites.")});
}

void frmDuplicateSites::cmdMerge_Click() {
    const QTreeWidgetItem* kept = lvwGroups->currentItem();
    if (!kept || !kept->parent())
        return;
    const qint32 keptID = kept->data(0, SiteIdRole).toInt();
    QList<qint32> others;
    for (int i = 0; i < kept->parent()->childCount(); ++i)
        if (kept->parent()->child(i) != kept)
            others << kept->parent()->child(i)->data(0, SiteIdRole).toInt();
    if (MsgBox(tr("Merge %1 sites into \"%2\" and delete them?").arg(others.size()).arg(kept->text(0)),
               Msg::Buttons::YesNo, Msg::Icon::Question, Msg::Answer::No,
               tr("Find duplicate sites")) != Msg::Answer::Yes)
        return;
    if (!BackUpBeforeChange())
        return;
    const bool merged = Trap(QStringLiteral("Error in cmdMerge_Click: "), [&] { MergeSites(keptID, others); });
    if (merged && m_rebuildSiteList)
        m_rebuildSiteList();
    ShowGroups();
}
