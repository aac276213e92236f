#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLayout;
class QRadioButton;

// Changes the settings of kwz.ini: the site list's default ordering, the pop-up handling, opening the maker's site
// at start, the submission run and the language.
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
    QComboBox* cboLanguage = nullptr; // kwz.ini's Language, effective from the next start

private:
    QLayout* languageRow();
    void Form_Load();
    void cmdOK_Click();
};
