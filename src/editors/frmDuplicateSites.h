#pragma once

#include <QDialog>

#include <functional>

class QPushButton;
class QTreeWidget;

// The groups of sites that share a normalised submit address; merges a group into the site the user keeps
// (SiteDuplicates), after a confirmation and an automatic backup.
class frmDuplicateSites final : public QDialog {
    Q_OBJECT
public:
    explicit frmDuplicateSites(std::function<void()> rebuildSiteList, QWidget* parent = nullptr);

    // Reads the groups again; each group is a row with its sites below it.
    void ShowGroups();
    // Merges the group of the selected site into that site.
    void cmdMerge_Click();

    QTreeWidget* lvwGroups = nullptr;
    QPushButton* cmdMerge = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    std::function<void()> m_rebuildSiteList;
};
