#include "frmRestoreBackup.h"

#include "ArchiveBackup.h"
#include "DateText.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "Trap.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char* const kTitle = QT_TRANSLATE_NOOP("frmRestoreBackup", "Restore from backup");

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

frmRestoreBackup::frmRestoreBackup(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmRestoreBackup"));
    setWindowTitle(tr(kTitle));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    lvwBackups = named(new QTreeWidget(this), "lvwBackups");
    lvwBackups->setAccessibleName(tr("Backups"));
    lvwBackups->setRootIsDecorated(false);
    lvwBackups->setHeaderLabels({tr("Made"), tr("Sites"), tr("Products")});
    lvwBackups->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(lvwBackups, 1);

    auto* buttons = new QHBoxLayout;
    cmdRestore = named(new QPushButton(tr("Restore"), this), "cmdRestore");
    cmdRestore->setDefault(true);
    cmdOtherFile = named(new QPushButton(tr("Other file..."), this), "cmdOtherFile");
    cmdOtherFile->setAutoDefault(false);
    cmdClose = named(new QPushButton(tr("Close"), this), "cmdClose");
    cmdClose->setAutoDefault(false);
    buttons->addWidget(cmdOtherFile);
    buttons->addStretch(1);
    buttons->addWidget(cmdRestore);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    setTabOrder(cmdOtherFile, cmdRestore);
    setTabOrder(cmdRestore, cmdClose);
    resize(minimumSizeHint().expandedTo(QSize(460, 320)));

    connect(cmdRestore, &QPushButton::clicked, this, &frmRestoreBackup::cmdRestore_Click);
    connect(cmdOtherFile, &QPushButton::clicked, this, &frmRestoreBackup::cmdOtherFile_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmRestoreBackup::reject);
    LoadBackups();
}

void frmRestoreBackup::LoadBackups() {
    Trap(QStringLiteral("Error in LoadBackups: "), [&] {
        for (const AutomaticBackup& copy : AutomaticBackups()) {
            auto* row = new QTreeWidgetItem(lvwBackups);
            row->setText(0, DateTimeDisplayText(copy.made));
            row->setData(0, Qt::UserRole, copy.path);
            row->setToolTip(0, QDir::toNativeSeparators(copy.path));
            // A copy that cannot be read is listed as such; the others still show.
            try {
                const ArchiveCounts counts = ReadArchiveCounts(copy.path);
                row->setText(1, QString::number(counts.sites));
                row->setText(2, QString::number(counts.products));
            } catch (const std::exception& e) {
                row->setText(1, tr("cannot be read"));
                row->setToolTip(1, FailureText(e));
            }
        }
        if (lvwBackups->topLevelItemCount() > 0)
            lvwBackups->setCurrentItem(lvwBackups->topLevelItem(0));
    });
}

void frmRestoreBackup::cmdRestore_Click() {
    if (const QTreeWidgetItem* row = lvwBackups->currentItem(); row && row->isSelected())
        RestoreFrom(row->data(0, Qt::UserRole).toString());
}

void frmRestoreBackup::cmdOtherFile_Click() {
    const QString path =
        GetOpenFileName(this, tr("Restore from file"), BackupFolder(), tr("Archive (*.db);;All files (*)"));
    if (!path.isEmpty())
        RestoreFrom(path);
}

void frmRestoreBackup::RestoreFrom(const QString& path) {
    Trap(QStringLiteral("Error in RestoreFrom: "), [&] {
        const QString shown = QDir::toNativeSeparators(path);
        ArchiveCounts counts;
        try {
            counts = CheckArchiveFile(path);
        } catch (const Failure& e) {
            MsgBox(tr("%1 cannot be restored: %2.\r\n\r\nThe archive was not changed.").arg(shown, e.description()),
                   Msg::Buttons::Ok, Msg::Icon::Exclamation, Msg::Answer::None, tr(kTitle));
            return;
        }
        if (MsgBox(tr("Replace everything in the archive with the contents of %1 (%2 sites, %3 "
                      "products)?\r\n\r\nThe archive is backed up first.")
                       .arg(shown)
                       .arg(counts.sites)
                       .arg(counts.products),
                   Msg::Buttons::YesNo, Msg::Icon::Question, Msg::Answer::No, tr(kTitle)) != Msg::Answer::Yes)
            return;
        if (!BackUpBeforeChange(path))
            return;
        RestoreArchiveFrom(path);
        m_restored = path;
        accept();
    });
}
