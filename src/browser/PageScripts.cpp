#include "PageScripts.h"

#include <QFile>
#include <QHash>
#include <QtGlobal>

const QString& PageScript(const QString& fileName) {
    static QHash<QString, QString> read;
    auto found = read.constFind(fileName);
    if (found == read.constEnd()) {
        QFile file(QStringLiteral(":/scripts/") + fileName);
        if (!file.open(QIODevice::ReadOnly))
            qCritical("the page script %s is not bundled", qPrintable(fileName));
        found = read.insert(fileName, QString::fromUtf8(file.readAll()));
    }
    return *found;
}
