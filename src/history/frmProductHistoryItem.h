#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class frmProductHistory;

// "Product History Item": adds the user's note to the log of the history window's pair.
class frmProductHistoryItem final : public QDialog {
    Q_OBJECT
public:
    explicit frmProductHistoryItem(frmProductHistory* history);

    // Writes the note row; false when it could not (the failure has been shown).
    bool AddItem();
    void cmdAdd_Click();
    void cmdClose_Click();

    QLabel* lblInfo = nullptr;
    QLabel* lblNote = nullptr;
    QLineEdit* txtNotes = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    frmProductHistory* m_history;
};
