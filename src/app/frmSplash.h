#pragma once

#include <QWidget>

// Shown while the main window loads.
class frmSplash final : public QWidget {
    Q_OBJECT
public:
    frmSplash();
};
