#include "SiteList.h"

#include "BusyGuard.h"
#include "ListViewSorting.h"
#include "MessageBox.h"
#include "SiteIcons.h"
#include "SiteQueries.h"
#include "SiteRow.h"
#include "StatusCache.h"
#include "SubmitStatus.h"
#include "Trap.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTreeWidget>

#include <memory>
#include <optional>

namespace {

enum Column { ColId, ColUrl, ColStatus, ColOld, ColRank, ColAutoUpdate };

const QString kHttp = QStringLiteral("http://");

QString statusIconKey(qint32 code) {
    const auto status = SubmitStatusOf(code);
    return status ? WordsFor(*status).iconKey : QStringLiteral("empty");
}

// A row keeps the site's few values and answers the list's questions from them. A row of its own texts, pictures
// and keys costs a dozen allocations; at tens of thousands of sites building and freeing those outweighed the
// database read.
class SiteItem final : public SortableItem {
public:
    SiteItem(const SiteListRow& site, const StatusCache* cache, qint32 productID)
        : m_submitUrl(site.submitUrl.toString()), m_siteID(site.siteID), m_rank(site.rank.toInt()),
          m_hasRank(!site.rank.isNull()), m_bookmark(site.bookmark), m_autoUpdate(site.autoUpdate),
          m_login(site.login) {
        if (cache) {
            const qint16 status = cache->GetProductStatus(m_siteID, productID);
            if (SubmitStatusOf(status))
                m_status = status;
            const qint16 old = cache->GetProductVersionPublished(m_siteID, productID);
            if (old == 0 || old == 1)
                m_old = qint8(old);
        }
    }

    QString iconKey(int column) const {
        switch (column) {
        case ColId:
            return m_bookmark ? QStringLiteral("bookmark") : QString();
        case ColUrl:
            return m_login == SiteListLogin::UserKnown      ? QStringLiteral("user_ok")
                   : m_login == SiteListLogin::UserRequired ? QStringLiteral("user_req")
                                                            : QStringLiteral("empty");
        case ColStatus:
            return statusIconKey(m_status);
        default:
            return {};
        }
    }
    // "Old version only" drops the rows known to hold the current version, not those whose state is unknown.
    bool keptBy(const SiteListFilter& filter) const {
        if (filter.oldVersionOnly && m_old == 0)
            return false;
        return filter.filter < 0 || filter.filter > 2 || m_status == filter.filter;
    }

    QVariant data(int column, int role) const override {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return text(column);
        case Qt::DecorationRole:
        case SiteRow::IconKeyRole: {
            const QString key = iconKey(column);
            if (key.isEmpty())
                return {};
            return role == SiteRow::IconKeyRole ? QVariant(key) : QVariant(SiteIcon(key));
        }
        case SiteRow::KeyRole:
            return column == ColId ? QVariant(SiteRow::KeyFor(m_siteID)) : QVariant();
        case SiteRow::TagRole:
            return column == ColId ? QVariant(m_submitUrl) : QVariant();
        default:
            return SortableItem::data(column, role);
        }
    }

    // The same order as the cells' texts give, from the values themselves: parsing or copying two texts per
    // comparison made a header click at tens of thousands of sites take most of a second.
    bool operator<(const QTreeWidgetItem& other) const override {
        const auto* site = dynamic_cast<const SiteItem*>(&other);
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (site && column == ColId)
            return m_siteID < site->m_siteID;
        if (site && column == ColRank)
            return site->m_hasRank && (!m_hasRank || m_rank < site->m_rank);
        if (site && column == ColUrl)
            return shownUrl().compare(site->shownUrl(), Qt::CaseInsensitive) < 0;
        if (site && column == ColStatus) {
            // The cell shows only a picture: by the status, then by the address; unknown statuses last.
            if ((m_status >= 0) != (site->m_status >= 0))
                return m_status >= 0;
            if (m_status != site->m_status)
                return m_status < site->m_status;
            return m_status >= 0 && shownUrl().compare(site->shownUrl(), Qt::CaseInsensitive) < 0;
        }
        return SortableItem::operator<(other);
    }

    // The bookmark command marks the row by its picture's key; the picture follows the key.
    void setData(int column, int role, const QVariant& value) override {
        if (column == ColId && role == SiteRow::IconKeyRole) {
            m_bookmark = value.toString() == QLatin1String("bookmark");
            emitDataChanged();
        } else if (!(column == ColId && role == Qt::DecorationRole)) {
            SortableItem::setData(column, role, value);
        }
    }

private:
    QString text(int column) const {
        switch (column) {
        case ColId:
            return QString::number(m_siteID);
        case ColUrl:
            return shownUrl().toString();
        case ColStatus:
            return m_status >= 0 ? QStringLiteral(" ") : QStringLiteral("?");
        case ColOld:
            return m_old < 0 ? QStringLiteral("?") : m_old == 1 ? QStringLiteral("X") : QString();
        case ColRank:
            return m_hasRank ? QString::number(m_rank) : QString();
        case ColAutoUpdate:
            return m_autoUpdate ? QStringLiteral("X") : QString();
        default:
            return {};
        }
    }
    QStringView shownUrl() const {
        const QStringView url(m_submitUrl);
        return url.startsWith(kHttp) ? url.mid(kHttp.size()) : url;
    }

    QString m_submitUrl;
    qint32 m_siteID;
    qint32 m_rank;
    bool m_hasRank;
    bool m_bookmark;
    bool m_autoUpdate;
    SiteListLogin m_login;
    qint16 m_status = -1; // -1: not known, as when no product is chosen
    qint8 m_old = -1;
};

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

    std::optional<StatusCache> cache;
    if (filter.productID > 0) {
        cache.emplace();
        Trap(QStringLiteral("Error in SetProductStatus: "), [&] { cache->SetProductStatus(filter.productID); });
    }
    // Rows are built off the list and added in one go: adding and then removing thousands one by one is slow.
    QList<QTreeWidgetItem*> rows;
    int read = 0;
    const auto finish = [&] {
        list->addTopLevelItems(rows);
        FollowListSort(list);
    };
    try {
        ForEachSite(filter.search, filter.sitesOrder, [&](const SiteListRow& site) {
            if (site.submitUrl.isNull())
                MsgBox(QCoreApplication::translate("SiteList", "Error SubmitUrl is null"));
            auto row = std::make_unique<SiteItem>(site, cache ? &*cache : nullptr, filter.productID);
            if (row->keptBy(filter))
                rows << row.release();
            if (++read % 500 == 0)
                statusText(QCoreApplication::translate("SiteList", "Loading... %1").arg(read));
        });
    } catch (...) {
        finish();
        throw;
    }
    finish();
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
