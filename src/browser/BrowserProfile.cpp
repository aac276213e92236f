#include "BrowserProfile.h"

#include "Failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
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

// A named profile writes its preferences into the engine's default folder for that name, under the application's
// data folder, before it can be told its own (Qt 6.4 has no way to name the folder first); that would leave a trace
// of a portable copy in the user's home. Only that file and the folders it left empty go, up to the data folder.
void removeDefaultFolder(const QString& defaultFolder, const QString& folder) {
    if (QDir(defaultFolder) == QDir(folder))
        return;
    QDir(defaultFolder).remove(QStringLiteral("user_prefs.json"));
    const QString dataFolder = QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    for (QString path = QDir::cleanPath(defaultFolder); path.startsWith(dataFolder) && QDir().rmdir(path);)
        path = QFileInfo(path).path();
}

QString zoomFile(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("zoom.ini"));
}

} // namespace

BrowserProfile::BrowserProfile(const QString& folder, QObject* parent)
    : QWebEngineProfile(QStringLiteral("browser"), parent), m_folder(folder) {
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        throw Failure(tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder)));
    if (dir.exists(kForgetMark)) {
        for (const QString& name : kForgotten)
            QDir(dir.filePath(name)).removeRecursively();
        dir.remove(kForgetMark);
    }
    const QString defaultFolder = persistentStoragePath();
    setPersistentStoragePath(folder);
    removeDefaultFolder(defaultFolder, folder);
    // The engine may write the file again until the profile is gone.
    connect(this, &QObject::destroyed, [defaultFolder, folder] { removeDefaultFolder(defaultFolder, folder); });
    setCachePath(dir.filePath(QStringLiteral("cache")));
    setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
}

void BrowserProfile::ForgetLogIns() {
    cookieStore()->deleteAllCookies();
    clearAllVisitedLinks();
    QFile mark(QDir(m_folder).filePath(kForgetMark));
    if (!mark.open(QIODevice::WriteOnly))
        throw Failure(
            tr("%1 cannot be written: %2").arg(QDir::toNativeSeparators(mark.fileName()), mark.errorString()));
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
