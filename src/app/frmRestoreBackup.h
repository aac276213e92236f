#pragma once

#include <QDialog>

class QPushButton;
class QTreeWidget;

// "Restore from backup": the automatic copies newest first with what each holds, or another file. A restore checks
// the file, asks, backs the archive up and replaces its contents; then the window closes.
class frmRestoreBackup final : public QDialog {
    Q_OBJECT
public:
    explicit frmRestoreBackup(QWidget* parent = nullptr);

    // The file the archive was restored from; empty while nothing was restored.
    QString RestoredFile() const { return m_restored; }

    QTreeWidget* lvwBackups = nullptr;
    QPushButton* cmdRestore = nullptr;
    QPushButton* cmdOtherFile = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    void LoadBackups();
    void cmdRestore_Click();
    void cmdOtherFile_Click();
    void RestoreFrom(const QString& path);

    QString m_restored;
};
