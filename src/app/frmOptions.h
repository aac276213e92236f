#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;

// Changes the settings of kwz.ini: the site list's default ordering, the pop-up handling, opening the maker's site
// at start and the submission run.
// OK applies them at once and writes the file; Close and Esc change nothing.
class frmOptions final : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* parent = nullptr);

    QRadioButton* optPopUp[2] = {};
    QRadioButton* optOrder[2] = {};
    QCheckBox* chkOpenHomeAtStart = nullptr;
    QCheckBox* chkNextRemainingSite = nullptr;
    QCheckBox* chkNextOldVersionSite = nullptr; // the second choice: one of the two at most
    QCheckBox* chkFillAllAfterVisit = nullptr;

private:
    void Form_Load();
    void cmdOK_Click();
};
