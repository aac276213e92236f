#pragma once

#include <QDialog>

class QRadioButton;

// Changes the two settings of kwz.ini: the site list's default ordering and the pop-up handling.
// OK applies them at once and writes the file; Close and Esc change nothing.
class frmOptions final : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* parent = nullptr);

    QRadioButton* optPopUp[2] = {};
    QRadioButton* optOrder[2] = {};

private:
    void Form_Load();
    void cmdOK_Click();
};
