#include "frmSiteCheck.h"

#include "ArchiveBackup.h"
#include "ListViewSorting.h"
#include "MessageBox.h"
#include "SiteCommands.h"
#include "SiteRow.h"
#include "Trap.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

enum { ColSite, ColSubmitUrl, ColResult, ColStatus, ColNewAddress, ColReason, ColDate };
constexpr ListColumn kColumns[] = {
    {QT_TRANSLATE_NOOP("frmSiteCheck", "Site"), 14, "STRING"},
    {QT_TRANSLATE_NOOP("frmSiteCheck", "Submit address"), 22, "STRING"},
    {QT_TRANSLATE_NOOP("frmSiteCheck", "Result"), 10, "STRING"},
    {QT_TRANSLATE_NOOP("frmSiteCheck", "HTTP status"), 8, "NUMBER"},
    {QT_TRANSLATE_NOOP("frmSiteCheck", "New address"), 18, "STRING"},
    {QT_TRANSLATE_NOOP("frmSiteCheck", "Reason"), 16, "STRING"},
    {QT_TRANSLATE_NOOP("frmSiteCheck", "Date of check"), 12, "STRING"},
};
constexpr int ResultRole = SiteRow::TagRole;

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

frmSiteCheck::frmSiteCheck(const QString& userAgent, Links links, QWidget* parent)
    : QWidget(parent, Qt::Window), m_checker(userAgent), m_links(std::move(links)) {
    setObjectName(QStringLiteral("frmSiteCheck"));
    setWindowTitle(tr("Site check"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    lblSites = named(new QLabel(this), "lblSites");
    cmdStart = named(new QPushButton(tr("Check"), this), "cmdStart");
    cmdCancel = named(new QPushButton(tr("Cancel"), this), "cmdCancel");
    prgCheck = named(new QProgressBar(this), "prgCheck");
    top->addWidget(lblSites);
    top->addWidget(prgCheck, 1);
    top->addWidget(cmdStart);
    top->addWidget(cmdCancel);
    layout->addLayout(top);

    lvwChecks = named(new QTreeWidget(this), "lvwChecks");
    lvwChecks->setAccessibleName(tr("Results"));
    lvwChecks->setRootIsDecorated(false);
    lvwChecks->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvwChecks->setMinimumWidth(640);
    lvwChecks->setSortingEnabled(true); // before the widths: the sort mark takes room beside each caption
    SetListColumns(lvwChecks, "frmSiteCheck", kColumns);
    layout->addWidget(lvwChecks, 1);

    auto* buttons = new QHBoxLayout;
    cmdUseNewAddress = named(new QPushButton(tr("Use new address"), this), "cmdUseNewAddress");
    cmdDeleteFailed = named(new QPushButton(tr("Delete failed sites..."), this), "cmdDeleteFailed");
    cmdClose = named(new QPushButton(tr("Close"), this), "cmdClose");
    buttons->addWidget(cmdUseNewAddress);
    buttons->addWidget(cmdDeleteFailed);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    resize(minimumSizeHint().expandedTo(QSize(900, 420)));

    connect(cmdStart, &QPushButton::clicked, this, &frmSiteCheck::cmdStart_Click);
    connect(cmdCancel, &QPushButton::clicked, &m_checker, &SiteChecker::Cancel);
    connect(cmdUseNewAddress, &QPushButton::clicked, this, &frmSiteCheck::cmdUseNewAddress_Click);
    connect(cmdDeleteFailed, &QPushButton::clicked, this, &frmSiteCheck::cmdDeleteFailed_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(lvwChecks, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* row) {
        if (m_links.selectSite)
            m_links.selectSite(SiteRow::IdOf(row));
    });
    connect(&m_checker, &SiteChecker::Checked, this, &frmSiteCheck::Checked);
    m_saveTimer = new QTimer(this);
    m_saveTimer->setInterval(1000);
    connect(m_saveTimer, &QTimer::timeout, this, &frmSiteCheck::SaveChecked);
    connect(&m_checker, &SiteChecker::Finished, this, [this] {
        m_saveTimer->stop();
        SaveChecked();
        ShowRunning();
    });
    LoadChecks();
    ShowRunning();
}

frmSiteCheck::~frmSiteCheck() {
    m_checker.Cancel();
}

void frmSiteCheck::SetSitesToCheck(const QList<qint64>& siteIDs) {
    m_toCheck = siteIDs;
    ShowRunning();
}

void frmSiteCheck::ShowRunning() {
    const bool running = m_checker.Running();
    lblSites->setText(running ? tr("Checking %1 sites").arg(m_checker.Total())
                              : tr("%1 sites to check").arg(m_toCheck.size()));
    cmdStart->setEnabled(!running && !m_toCheck.isEmpty());
    cmdCancel->setEnabled(running);
    cmdUseNewAddress->setEnabled(!running);
    cmdDeleteFailed->setEnabled(!running);
    prgCheck->setRange(0, std::max(1, m_checker.Total()));
    prgCheck->setValue(m_checker.Done());
}

void frmSiteCheck::LoadChecks() {
    Trap(QStringLiteral("Error in LoadChecks: "), [&] {
        lvwChecks->clear();
        for (const SiteCheckRow& row : LoadSiteChecks())
            ShowCheck(row.check, row.name, row.submitUrl);
    });
}

void frmSiteCheck::ShowCheck(const SiteCheck& check, const QString& name, const QString& submitUrl) {
    QTreeWidgetItem* row = SiteRow::FindByKey(lvwChecks, SiteRow::KeyFor(check.siteID));
    if (!row) {
        row = new SortableItem(lvwChecks);
        row->setData(0, SiteRow::KeyRole, SiteRow::KeyFor(check.siteID));
    }
    row->setData(0, ResultRole, int(check.result));
    row->setText(ColSite, name);
    row->setText(ColSubmitUrl, submitUrl);
    row->setText(ColResult, CheckResultWord(check.result));
    row->setText(ColStatus, check.httpStatus > 0 ? QString::number(check.httpStatus) : QString());
    row->setText(ColNewAddress, check.newAddress);
    row->setText(ColReason, check.reason);
    row->setText(ColDate, check.checkDate);
}

void frmSiteCheck::cmdStart_Click() {
    Trap(QStringLiteral("Error in cmdStart_Click: "), [&] {
        m_checking.clear();
        const QList<SiteToCheck> sites = SitesToCheck(m_toCheck);
        for (const SiteToCheck& site : sites)
            m_checking.insert(site.siteID, site);
        m_checker.Start(sites);
        m_saveTimer->start();
        ShowRunning();
    });
}

void frmSiteCheck::Checked(const SiteCheck& check) {
    m_unsaved << check;
    const SiteToCheck site = m_checking.value(check.siteID);
    ShowCheck(check, site.name, site.submitUrl);
    prgCheck->setValue(m_checker.Done());
}

// A cancelled check keeps what it found: Cancel ends in Finished, which stores the rest.
void frmSiteCheck::SaveChecked() {
    if (m_unsaved.isEmpty())
        return;
    const QList<SiteCheck> checks = std::exchange(m_unsaved, {});
    const bool saved = Trap(QStringLiteral("Error in SaveChecked: "), [&] {
        const QString date = SaveSiteChecks(checks);
        for (const SiteCheck& check : checks) {
            if (QTreeWidgetItem* row = SiteRow::FindByKey(lvwChecks, SiteRow::KeyFor(check.siteID)))
                row->setText(ColDate, date);
        }
    });
    // An archive that takes no results is told once, not once a second.
    if (!saved)
        m_checker.Cancel();
}

QList<qint64> frmSiteCheck::IdsWhere(const std::function<bool(CheckResult)>& test) const {
    QList<qint64> ids;
    for (int i = 0; i < lvwChecks->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = lvwChecks->topLevelItem(i);
        if (test(CheckResult(row->data(0, ResultRole).toInt())))
            ids << SiteRow::IdOf(row);
    }
    return ids;
}

void frmSiteCheck::cmdUseNewAddress_Click() {
    Trap(QStringLiteral("Error in cmdUseNewAddress_Click: "), [&] {
        const QList<qint64> moved = IdsWhere([](CheckResult result) { return result == CheckResult::Moved; });
        if (moved.isEmpty()) {
            MsgBox(tr("No site has moved."), Msg::Buttons::Ok, Msg::Icon::Exclamation, Msg::Answer::None,
                   tr("Site check"));
            return;
        }
        const int changed = UseNewAddresses(moved);
        LoadChecks();
        if (m_links.sitesChanged)
            m_links.sitesChanged();
        MsgBox(tr("%1 sites have their new submit address.").arg(changed), Msg::Buttons::Ok, Msg::Icon::Information,
               Msg::Answer::None, tr("Site check"));
    });
}

void frmSiteCheck::cmdDeleteFailed_Click() {
    Trap(QStringLiteral("Error in cmdDeleteFailed_Click: "), [&] {
        const QList<qint64> failed = IdsWhere(CheckFailed);
        if (failed.isEmpty()) {
            MsgBox(tr("No site failed the check."), Msg::Buttons::Ok, Msg::Icon::Exclamation, Msg::Answer::None,
                   tr("Site check"));
            return;
        }
        if (MsgBox(tr("Delete the %1 sites that are gone or unreachable?").arg(failed.size()), Msg::Buttons::YesNo,
                   Msg::Icon::Question, Msg::Answer::No, tr("Site check")) != Msg::Answer::Yes)
            return;
        if (!BackUpBeforeChange())
            return;
        DeleteSites(failed);
        LoadChecks();
        if (m_links.sitesChanged)
            m_links.sitesChanged();
    });
}
