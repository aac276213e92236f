#include "SiteList.h"

#include "BusyGuard.h"
#include "ListViewSorting.h"
#include "MessageBox.h"
#include "SiteQueries.h"
#include "SiteRow.h"
#include "StatusCache.h"
#include "SubmitStatus.h"
#include "Trap.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTreeWidget>

namespace {

enum Column { ColId, ColUrl, ColStatus, ColOld, ColRank, ColAutoUpdate };

const QString kHttp = QStringLiteral("http://");

QString statusIconKey(qint32 code) {
    const auto status = SubmitStatusOf(code);
    return status ? WordsFor(*status).iconKey : QStringLiteral("empty");
}

QTreeWidgetItem* makeRow(const SiteListRow& site) {
    auto* row = new SortableItem;
    row->setText(ColId, QString::number(site.siteID));
    if (site.submitUrl.isNull()) {
        MsgBox(QCoreApplication::translate("SiteList", "Error SubmitUrl is null"));
    } else {
        const QString url = site.submitUrl.toString();
        row->setText(ColUrl, url.startsWith(kHttp) ? url.mid(kHttp.size()) : url);
    }
    QString loginIcon = QStringLiteral("empty");
    if (site.authReq && !site.userID.isNull())
        loginIcon = site.userID.toString().isEmpty() ? QStringLiteral("user_req") : QStringLiteral("user_ok");
    SiteRow::SetIcon(row, ColUrl, loginIcon);
    if (site.bookmark)
        SiteRow::SetIcon(row, ColId, QStringLiteral("bookmark"));
    row->setData(ColId, SiteRow::KeyRole, SiteRow::KeyFor(site.siteID));
    row->setData(ColId, SiteRow::TagRole, site.submitUrl.toString());
    row->setText(ColStatus, QStringLiteral("?"));
    SiteRow::SetIcon(row, ColStatus, QStringLiteral("empty"));
    row->setText(ColOld, QStringLiteral("?"));
    row->setText(ColRank, site.rank.isNull() ? QString() : QString::number(site.rank.toInt()));
    row->setText(ColAutoUpdate, site.autoUpdate ? QStringLiteral("X") : QString());
    return row;
}

void applyStatus(QTreeWidgetItem* row, const StatusCache& cache, qint32 productID) {
    const qint32 siteID = SiteRow::IdOf(row);
    const qint16 status = cache.GetProductStatus(siteID, productID);
    if (SubmitStatusOf(status)) {
        SiteRow::SetIcon(row, ColStatus, statusIconKey(status));
        row->setText(ColStatus, QStringLiteral(" "));
        // The cell shows only a picture: it sorts by the status, then by the address.
        row->setData(ColStatus, SortValueRole, QStringLiteral("%1 %2").arg(status).arg(row->text(ColUrl)));
    }
    const qint16 old = cache.GetProductVersionPublished(siteID, productID);
    if (old == 0 || old == 1)
        row->setText(ColOld, old == 1 ? QStringLiteral("X") : QString());
}

bool keptByFilter(const QTreeWidgetItem* row, const SiteListFilter& filter) {
    if (filter.filter < 0 || filter.filter > 2)
        return true;
    return SiteRow::IconKey(row, ColStatus) == statusIconKey(filter.filter);
}

} // namespace

void MakeSiteListColumns(QTreeWidget* list) {
    static constexpr ListColumn columns[] = {{QT_TRANSLATE_NOOP("SiteList", "ID"), 15, "NUMBER"},
                                             {QT_TRANSLATE_NOOP("SiteList", "Submit Url"), 45, "STRING"},
                                             {QT_TRANSLATE_NOOP("SiteList", "Status"), 10, "STRING"},
                                             {QT_TRANSLATE_NOOP("SiteList", "Old V."), 10, "STRING"},
                                             {QT_TRANSLATE_NOOP("SiteList", "Rank"), 9, "NUMBER"},
                                             {QT_TRANSLATE_NOOP("SiteList", "AU."), 5, "STRING"}};
    SetListColumns(list, "SiteList", columns);
}

void BuildSiteList(QTreeWidget* list, const SiteListFilter& filter,
                   const std::function<void(const QString&)>& statusText) {
    BusyGuard busy(list);
    list->clear();

    // Rows are built off the list and added in one go: adding and then removing thousands one by one is slow.
    QList<QTreeWidgetItem*> rows;
    try {
        ForEachSite(filter.search, filter.sitesOrder, [&](const SiteListRow& site) {
            rows << makeRow(site);
            if (rows.size() % 500 == 0)
                statusText(QCoreApplication::translate("SiteList", "Loading... %1").arg(rows.size()));
        });
    } catch (...) {
        list->addTopLevelItems(rows);
        FollowListSort(list);
        throw;
    }

    const bool productChosen = filter.productID > 0;
    if (productChosen) {
        StatusCache cache;
        Trap(QStringLiteral("Error in SetProductStatus: "), [&] { cache.SetProductStatus(filter.productID); });
        for (QTreeWidgetItem* row : rows)
            applyStatus(row, cache, filter.productID);
    }
    if (productChosen || filter.filter != -1) {
        const auto dropped = [&](QTreeWidgetItem* row) {
            const bool drop =
                !keptByFilter(row, filter) || (filter.oldVersionOnly && row->text(ColOld).trimmed().isEmpty());
            if (drop)
                delete row;
            return drop;
        };
        rows.removeIf(dropped);
    }
    list->addTopLevelItems(rows);
    FollowListSort(list);
    list->setCurrentItem(nullptr);
    statusText(QCoreApplication::translate("SiteList", "Quillomar PAD Submitter - Elements: %1")
                   .arg(list->topLevelItemCount()));
}

QTreeWidgetItem* NextOldVersionRow(QTreeWidget* list, int from) {
    for (int i = std::max(from, 0); i < list->topLevelItemCount(); ++i) {
        if (!list->topLevelItem(i)->text(ColOld).trimmed().isEmpty())
            return list->topLevelItem(i);
    }
    return nullptr;
}

QTreeWidgetItem* NextRemainingRow(QTreeWidget* list, int from) {
    for (int i = std::max(from, 0); i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list->topLevelItem(i);
        const QString key = SiteRow::IconKey(row, ColStatus);
        if (key != statusIconKey(int(SubmitStatus::Submitted)) && key != statusIconKey(int(SubmitStatus::Published)))
            return row;
    }
    return nullptr;
}
