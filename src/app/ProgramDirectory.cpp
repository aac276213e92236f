#include "ProgramDirectory.h"

#include <QCoreApplication>

QString ProgramDirectory() {
    return QCoreApplication::applicationDirPath();
}
