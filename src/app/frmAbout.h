#pragma once

#include <QDialog>

class QLabel;

// Version, build and the maker's addresses; a click on the picture or Esc closes it.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblVersion = nullptr;
    QLabel* lblBuild = nullptr;
    QLabel* lblInternet = nullptr;
    QLabel* lblEmail = nullptr;
    QLabel* pic = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
