#include "BrowserProfile.h"

#include "Failure.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QWebEngineCookieStore>

namespace {

const QString kForgetMark = QStringLiteral("forget-site-storage");
// What sites left in the browser beyond cookies, under the profile's storage path: removed at the start after the
// user forgot the log-ins, before the engine opens any of it. The cache is there too: clearing it while the engine
// runs holds up the next page load for good (Qt 6.4).
const QStringList kForgotten = {QStringLiteral("Local Storage"),  QStringLiteral("Session Storage"),
                                QStringLiteral("IndexedDB"),      QStringLiteral("databases"),
                                QStringLiteral("Service Worker"), QStringLiteral("File System"),
                                QStringLiteral("cache")};

QString zoomFile(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("zoom.ini"));
}

} // namespace

BrowserProfile::BrowserProfile(const QString& folder, QObject* parent)
    : QWebEngineProfile(QStringLiteral("browser"), parent), m_folder(folder) {
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        throw Failure(QStringLiteral("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder)));
    if (dir.exists(kForgetMark)) {
        for (const QString& name : kForgotten)
            QDir(dir.filePath(name)).removeRecursively();
        dir.remove(kForgetMark);
    }
    setPersistentStoragePath(folder);
    setCachePath(dir.filePath(QStringLiteral("cache")));
    setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
}

void BrowserProfile::ForgetLogIns() {
    cookieStore()->deleteAllCookies();
    clearAllVisitedLinks();
    QFile mark(QDir(m_folder).filePath(kForgetMark));
    if (!mark.open(QIODevice::WriteOnly))
        throw Failure(QStringLiteral("%1 cannot be written: %2")
                          .arg(QDir::toNativeSeparators(mark.fileName()), mark.errorString()));
}

double BrowserProfile::ZoomFor(const QString& host) const {
    const QSettings zoom(zoomFile(m_folder), QSettings::IniFormat);
    bool ok = false;
    const double factor = zoom.value(QStringLiteral("zoom/") + host).toDouble(&ok);
    // The engine takes 0.25 to 5; anything else in the file was not written here.
    return ok && factor >= 0.25 && factor <= 5.0 ? factor : 1.0;
}

void BrowserProfile::SetZoomFor(const QString& host, double factor) {
    QSettings zoom(zoomFile(m_folder), QSettings::IniFormat);
    if (qFuzzyCompare(factor, 1.0))
        zoom.remove(QStringLiteral("zoom/") + host);
    else
        zoom.setValue(QStringLiteral("zoom/") + host, factor);
}
