#pragma once

#include <QString>
#include <QtGlobal>

// The status labels of the history window: "Not Submitted", "Submitted", "Published"; empty for any other code.
QString HistoryStatusText(qint32 status);
