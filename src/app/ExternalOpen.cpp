#include "ExternalOpen.h"

#include "Shell.h"
#include "Trap.h"

#include <QRegularExpression>

namespace {

// A scheme as URLs spell it, followed by ":" and anything but a port number.
bool hasScheme(const QString& address) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?![0-9]+([/?#]|$))"));
    return scheme.match(address).hasMatch();
}

} // namespace

void VisitSite(QString& address) {
    Trap(QStringLiteral("Error in VisitSite: "), [&] {
        if (address.isEmpty())
            return;
        if (!hasScheme(address))
            address.prepend(QLatin1String("http://"));
        ShellOpen(QStringLiteral("Open"), address);
    });
}
