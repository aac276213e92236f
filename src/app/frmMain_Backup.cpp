// The archive's copies from the File menu: a copy where the user chooses, and the restore from a copy.
#include "ArchiveBackup.h"
#include "DateText.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "Trap.h"
#include "frmMain.h"
#include "frmRestoreBackup.h"

#include <QDir>

void frmMain::BackUpArchiveToFile() {
    Trap(QStringLiteral("Error in BackUpArchiveToFile: "), [&] {
        const QString suggested = QDir::homePath() + QStringLiteral("/kwz-") +
                                  DbClockNow().date().toString(Qt::ISODate) + QStringLiteral(".db");
        const QString path = GetSaveFileName(this, tr("Back up archive"), suggested, tr("Archive (*.db)"));
        if (path.isEmpty())
            return;
        CopyArchiveTo(path);
        MsgBox(tr("The archive was backed up to %1").arg(QDir::toNativeSeparators(path)), Msg::Buttons::Ok,
               Msg::Icon::Information);
    });
}

void frmMain::RestoreFromBackup() {
    Trap(QStringLiteral("Error in RestoreFromBackup: "), [&] {
        frmRestoreBackup window(this);
        if (window.exec() != QDialog::Accepted)
            return;
        LoadComboProducts();
        cboProducts_Click();
        LoadStaticHtml(QString());
        MsgBox(tr("The archive was restored from %1").arg(QDir::toNativeSeparators(window.RestoredFile())),
               Msg::Buttons::Ok, Msg::Icon::Information);
    });
}
