#include "frmProductHistory.h"

#include "ArchiveBackup.h"
#include "BusyGuard.h"
#include "DateText.h"
#include "HistoryQueries.h"
#include "ListViewSorting.h"
#include "MessageBox.h"
#include "SiteList.h"
#include "SiteRow.h"
#include "StatusProcedures.h"
#include "Trap.h"
#include "frmProductHistoryItem.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { ColVersion, ColStatus, ColDate, ColNotes };

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A stored date as the user reads it; a text that is no date is shown as it is.
QString dateText(const QVariant& stored) {
    const QDateTime moment = DbReadDateTime(stored);
    return moment.isValid() ? DateTimeDisplayText(moment) : stored.toString();
}

QTreeWidgetItem* makeRow(const HistoryRow& entry) {
    auto* row = new SortableItem;
    row->setText(ColVersion, entry.version.toString());
    row->setData(ColVersion, SiteRow::KeyRole, SiteRow::KeyFor(entry.id));
    row->setText(ColStatus,
                 entry.submitStatus.isNull() ? QStringLiteral("?") : HistoryStatusText(entry.submitStatus.toInt()));
    if (entry.opDate.isNull()) {
        row->setText(ColDate, QStringLiteral("?"));
    } else {
        row->setText(ColDate, dateText(entry.opDate));
        // The shown text may use a two-digit year: the date column sorts by the stored moment.
        if (const QDateTime moment = DbReadDateTime(entry.opDate); moment.isValid())
            row->setData(ColDate, SortValueRole, moment);
    }
    row->setText(ColNotes, entry.notes.toString());
    return row;
}

} // namespace

frmProductHistory::frmProductHistory(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmProductHistory"));
    setWindowTitle(tr("Product History Log"));
    auto* layout = new QVBoxLayout(this);

    auto* banner = named(new QWidget(this), "picFolderName");
    banner->setAttribute(Qt::WA_StyledBackground);
    banner->setStyleSheet(QStringLiteral(
        "#picFolderName { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #000033, stop:1 #2f5fd0); }"));
    auto* bannerLayout = new QHBoxLayout(banner);
    bannerLayout->setContentsMargins(6, 3, 6, 3);
    imgFolderName = named(new QLabel(banner), "imgFolderName");
    imgFolderName->setPixmap(QIcon(QStringLiteral(":/icons/history.svg")).pixmap(24, 24));
    lblFolderName = named(new QLabel(QStringLiteral(" Quillomar Pad Submitter"), banner), "lblFolderName");
    QFont bold = lblFolderName->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    lblFolderName->setFont(bold);
    lblFolderName->setStyleSheet(QStringLiteral("color: white;"));
    lblFolderName->setTextFormat(Qt::PlainText);
    bannerLayout->addWidget(imgFolderName);
    bannerLayout->addWidget(lblFolderName, 1);
    layout->addWidget(banner);

    Frame1 = named(new QGroupBox(tr("Last status information "), this), "Frame1");
    auto* frameLayout = new QVBoxLayout(Frame1);
    lblInsertDate = named(new QLabel(Frame1), "lblInsertDate");
    lbUpdateDate = named(new QLabel(Frame1), "lbUpdateDate");
    lblActualStatus = named(new QLabel(Frame1), "lblActualStatus");
    for (QLabel* label : {lblInsertDate, lbUpdateDate, lblActualStatus}) {
        label->setTextFormat(Qt::PlainText);
        frameLayout->addWidget(label);
    }
    layout->addWidget(Frame1);

    lvwHistory = named(new QTreeWidget(this), "lvwHistory");
    lvwHistory->setAccessibleName(windowTitle());
    lvwHistory->setRootIsDecorated(false);
    lvwHistory->setUniformRowHeights(true);
    lvwHistory->setAllColumnsShowFocus(true);
    lvwHistory->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvwHistory->header()->setSectionsClickable(true);
    layout->addWidget(lvwHistory, 1);

    auto* buttons = new QHBoxLayout;
    cmdAddItem = named(new QPushButton(tr("Add history item"), this), "cmdAddItem");
    cmdDelete = named(new QPushButton(tr("Delete"), this), "cmdDelete");
    cmdClose = named(new QPushButton(tr("Close"), this), "cmdClose");
    buttons->addWidget(cmdAddItem);
    buttons->addWidget(cmdDelete);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    // Enter does nothing here: no button is pressed by it by accident.
    for (QPushButton* button : {cmdAddItem, cmdDelete, cmdClose})
        button->setAutoDefault(false);
    layout->addLayout(buttons);
    resize(minimumSizeHint().expandedTo(QSize(640, 480)));

    connect(cmdAddItem, &QPushButton::clicked, this, &frmProductHistory::cmdAddItem_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmProductHistory::cmdDelete_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmProductHistory::cmdClose_Click);
    connect(lvwHistory->header(), &QHeaderView::sectionClicked, this, &frmProductHistory::lvwHistory_ColumnClick);
}

void frmProductHistory::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
}

void frmProductHistory::Form_Load() {
    Trap(QStringLiteral("Error in Form_Load: "), [&] {
        ShowActualStatus();
        MakeLvwHistoryColumns();
        MakeLvwHistoryContents();
    });
}

void frmProductHistory::ShowActualStatus() {
    Trap(QStringLiteral("Error in ShowActualStatus: "), [&] {
        const auto status = ReadPairStatus(SelectedSite, SelectedProduct);
        if (!status) {
            lblFolderName->setText(tr("There is no state set for site-product"));
            lblInsertDate->clear();
            lbUpdateDate->clear();
            lblActualStatus->setText(tr("No status information available"));
            return;
        }
        lblFolderName->setText(status->productName.toString() + tr(" ver. ") + status->version.toString() +
                               tr(" on site: ") + status->siteName.toString());
        if (!status->insertDate.isNull())
            lblInsertDate->setText(tr("First status information inserted on: ") + dateText(status->insertDate));
        if (!status->updateDate.isNull())
            lbUpdateDate->setText(tr("Last status update on: ") + dateText(status->updateDate));
        lblActualStatus->setText(tr("Actual status: ") + HistoryStatusText(status->submitStatus));
    });
}

void frmProductHistory::MakeLvwHistoryColumns() {
    Trap(QStringLiteral("Error in MakeLvwHistoryColumns: "), [&] {
        static constexpr ListColumn columns[] = {{QT_TRANSLATE_NOOP("frmProductHistory", "Version"), 15, "STRING"},
                                                 {QT_TRANSLATE_NOOP("frmProductHistory", "Status"), 15, "STRING"},
                                                 {QT_TRANSLATE_NOOP("frmProductHistory", "Date"), 30, "DATE"},
                                                 {QT_TRANSLATE_NOOP("frmProductHistory", "Notes"), 39, "STRING"}};
        // The widths are shares of the list as laid out in the window.
        layout()->activate();
        SetListColumns(lvwHistory, "frmProductHistory", columns);
    });
}

void frmProductHistory::MakeLvwHistoryContents() {
    Trap(QStringLiteral("Error in MakeLvwHistoryContents: "), [&] {
        lvwHistory->clear();
        BusyGuard busy(lvwHistory);
        QList<QTreeWidgetItem*> rows;
        try {
            ForEachHistoryRow(SelectedSite, SelectedProduct, [&](const HistoryRow& entry) { rows << makeRow(entry); });
        } catch (...) {
            lvwHistory->addTopLevelItems(rows);
            FollowListSort(lvwHistory);
            throw;
        }
        lvwHistory->addTopLevelItems(rows);
        FollowListSort(lvwHistory);
    });
}

void frmProductHistory::Delete() {
    Trap(QStringLiteral("Error in Delete: "), [&] {
        const QList<qint64> ids = SiteRow::SelectedIds(lvwHistory);
        if (ids.isEmpty())
            return;
        if (MsgBox(tr("Are you sure you want to delete selected items? "), Msg::Buttons::YesNo, Msg::Icon::Question,
                   Msg::Answer::No, tr("Deleting")) != Msg::Answer::Yes)
            return;
        if (!BackUpBeforeChange())
            return;
        DeleteHistoryRows(ids);
        MakeLvwHistoryContents();
    });
}

void frmProductHistory::cmdDelete_Click() {
    Delete();
}

void frmProductHistory::cmdAddItem_Click() {
    frmProductHistoryItem note(this);
    note.exec();
}

void frmProductHistory::cmdClose_Click() {
    reject();
}

void frmProductHistory::lvwHistory_ColumnClick(int column) {
    ListViewSorting(lvwHistory, column);
}
