#include "StatusProcedures.h"

#include "SubmitStatus.h"

QString HistoryStatusText(qint32 status) {
    const auto known = SubmitStatusOf(status);
    return known ? WordsFor(*known).history : QString();
}
