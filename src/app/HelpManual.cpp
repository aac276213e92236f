#include "HelpManual.h"

#include "MessageBox.h"
#include "Shell.h"
#include "Trap.h"
#include "modMain.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ManualPath() {
    return gSharedPath + QStringLiteral("/help/QuillomarPadSubmitter.html");
}

void HelpManual() {
    Trap(QStringLiteral("Error in HelpManual: "), [] {
        const QString path = ManualPath();
        if (!QFileInfo(path).isFile()) {
            MsgBox(QCoreApplication::translate("HelpManual", "The user manual was not found. It should be at %1")
                       .arg(path),
                   Msg::Buttons::Ok, Msg::Icon::Exclamation);
            return;
        }
        ShellOpen(QStringLiteral("Open"), path);
    });
}
