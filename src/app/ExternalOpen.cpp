#include "ExternalOpen.h"

#include "Shell.h"
#include "Trap.h"

void VisitSite(QString& address) {
    Trap(QStringLiteral("Error in VisitSite: "), [&] {
        if (address.isEmpty())
            return;
        if (!address.startsWith(QLatin1String("http://"), Qt::CaseSensitive))
            address.prepend(QLatin1String("http://"));
        ShellOpen(QStringLiteral("Open"), address);
    });
}
