#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// "Product History Log": the current status of one product on one site and the log of what happened to
// the pair, newest first. The caller sets the pair before showing the window; it loads on its first show.
class frmProductHistory final : public QDialog {
    Q_OBJECT
public:
    explicit frmProductHistory(QWidget* parent = nullptr);

    qint32 SelectedSite = 0;
    qint32 SelectedProduct = 0;

    // Refills the log from the database; the note window calls it after adding a note.
    void MakeLvwHistoryContents();

    void Form_Load();
    void cmdClose_Click();
    void cmdDelete_Click();
    void cmdAddItem_Click();
    void lvwHistory_ColumnClick(int column);

    QLabel* lblFolderName = nullptr;
    QLabel* imgFolderName = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* lblInsertDate = nullptr;
    QLabel* lbUpdateDate = nullptr;
    QLabel* lblActualStatus = nullptr;
    QTreeWidget* lvwHistory = nullptr;
    QPushButton* cmdAddItem = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void MakeLvwHistoryColumns();
    void ShowActualStatus();
    void Delete();

    bool m_loaded = false;
};
