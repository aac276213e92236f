#include "Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

ShellInterceptor& interceptor() {
    static ShellInterceptor instance;
    return instance;
}

} // namespace

void ShellOpen(const QString& operation, const QString& target) {
    if (interceptor()) {
        interceptor()(operation, target);
        return;
    }
    const QUrl url = QFileInfo(target).isAbsolute() && QFileInfo::exists(target) ? QUrl::fromLocalFile(target)
                                                                                 : QUrl::fromUserInput(target);
    QDesktopServices::openUrl(url);
}

void SetShellInterceptor(ShellInterceptor newInterceptor) {
    interceptor() = std::move(newInterceptor);
}
