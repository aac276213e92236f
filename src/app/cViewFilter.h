#pragma once

#include <QtGlobal>

// Tells the editors which record they edit: 0 for a new one.
class cViewFilter final {
public:
    qint32 EditingModeSiteID = 0;
    qint32 EditingModeProductID = 0;
};
