#include "PageScripts.h"

#include <QFile>
#include <QHash>

// A missing script is a build fault, never the user's: it stops the program where the fault shows.
const QString& PageScript(const QString& fileName) {
    static QHash<QString, QString> texts;
    auto found = texts.find(fileName);
    if (found == texts.end()) {
        QFile file(QStringLiteral(":/scripts/") + fileName);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("The page script %s is not in the program", qPrintable(fileName));
        found = texts.insert(fileName, QString::fromUtf8(file.readAll()));
    }
    return *found;
}
