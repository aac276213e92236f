#pragma once

#include "SiteChecker.h"

#include <QHash>
#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QTimer;

// "Site check": the last check of each site, a new check of the sites it was given, and what to do about moved
// and failed sites. Not modal; it knows nothing of the main window, which hands it links.
class frmSiteCheck final : public QWidget {
    Q_OBJECT
public:
    struct Links {
        std::function<void(qint64 siteID)> selectSite;
        std::function<void()> sitesChanged;
    };

    frmSiteCheck(const QString& userAgent, Links links, QWidget* parent = nullptr);
    // Closing the window cancels a check under way; what it found is stored.
    ~frmSiteCheck() override;

    // The sites the next check covers.
    void SetSitesToCheck(const QList<qint64>& siteIDs);
    SiteChecker& Checker() { return m_checker; }

    void cmdStart_Click();
    void cmdUseNewAddress_Click();
    void cmdDeleteFailed_Click();

    QLabel* lblSites;
    QPushButton* cmdStart;
    QPushButton* cmdCancel;
    QProgressBar* prgCheck;
    QTreeWidget* lvwChecks;
    QPushButton* cmdUseNewAddress;
    QPushButton* cmdDeleteFailed;
    QPushButton* cmdClose;

private:
    void LoadChecks();
    void ShowCheck(const SiteCheck& check, const QString& name, const QString& submitUrl);
    void Checked(const SiteCheck& check);
    void SaveChecked();
    void ShowRunning();
    QList<qint64> IdsWhere(const std::function<bool(CheckResult)>& test) const;

    SiteChecker m_checker;
    Links m_links;
    QList<qint64> m_toCheck;
    QHash<qint64, SiteToCheck> m_checking;
    // Results not stored yet: stored together every second and at the end, as a commit of its own per site
    // would keep the disk busy.
    QList<SiteCheck> m_unsaved;
    QTimer* m_saveTimer;
};
