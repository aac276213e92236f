#include "modMain.h"

#include "ArchiveBackup.h"
#include "BrowserProfile.h"
#include "ExtraTables.h"
#include "IniFile.h"
#include "MessageBox.h"
#include "SettingValue.h"
#include "Translations.h"
#include "Trap.h"
#include "WebBrowser.h"
#include "cProduct.h"
#include "cSite.h"
#include "cViewFilter.h"
#include "frmMain.h"
#include "frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

#include <memory>

QString gIniFile;
QString gAppPath;
QString gSharedPath;
QString gArchiveFile;
qint16 gSitesOrder = 0;
qint16 gPopUpBlock = 0;
bool gNextRemainingSite = false;
bool gNextOldVersionSite = false;
bool gFillAllAfterVisit = false;
bool gOpenHomeAtStart = true;
frmMain* gMainWindow = nullptr;
cViewFilter* gViewFilter = nullptr;
std::unique_ptr<cSite> gSite;
std::unique_ptr<cProduct> gProduct;
std::unique_ptr<BrowserProfile> gBrowserProfile;

namespace {

// Start-up diagnostics, off unless QT_LOGGING_RULES turns on "quill.startup.info": one line when the home page has
// first loaded, so the time a user waits for the window can be measured from outside.
Q_LOGGING_CATEGORY(lcStartUp, "quill.startup", QtWarningMsg)

const QString kSection = QStringLiteral("preferences");

// A missing key or an empty value gives the default.
qint16 readSetting(const QString& key, qint16 defaultValue) {
    const QString text = IniRead(gIniFile, kSection, key);
    return text.isEmpty() ? defaultValue : SettingToInt16(text);
}

// An on/off setting, 1 or 0; anything else gives the default, so an odd value never stops start-up.
bool readFlag(const QString& key, bool defaultValue) {
    const QString text = IniRead(gIniFile, kSection, key).trimmed();
    return text == QLatin1String("1") || (defaultValue && text != QLatin1String("0"));
}

// The first start of a day copies the archive. A failure is told once and start-up goes on; a missing archive was
// told already.
void backUpOncePerDay() {
    if (!QFileInfo(gArchiveFile).isFile())
        return;
    try {
        if (!BackedUpToday())
            BackUpArchive();
    } catch (const std::exception& e) {
        MsgBox(QCoreApplication::translate("modMain", "The archive could not be backed up: %1").arg(FailureText(e)),
               Msg::Buttons::Ok, Msg::Icon::Exclamation);
    }
}

// The program's own tables, made when the archive lacks them. An archive that cannot take them (damaged, read-only)
// is told by the start-up's own messages; the windows that use these tables tell it again when they are opened.
void prepareExtraTables() {
    if (!QFileInfo(gArchiveFile).isFile())
        return;
    try {
        EnsureExtraTables();
    } catch (const std::exception&) {
    }
}

// The first load of the home page ends start-up as the user sees it; a site's page loaded before it does not. A
// message box shown during the load would keep the user waiting all the same, so the line names it.
void logFirstHomePageLoad(frmMain* window) {
    if (!lcStartUp().isInfoEnabled())
        return;
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection =
        QObject::connect(window->webSite, &QWebEngineView::loadFinished, window, [window, connection](bool ok) {
            if (!window->ShowsStartPage())
                return;
            QString line = QStringLiteral("home page loaded");
            if (!ok)
                line += QStringLiteral(" with an error");
            if (const QWidget* modal = QApplication::activeModalWidget())
                line += QStringLiteral(" behind the modal window \"%1\"").arg(modal->windowTitle());
            qCInfo(lcStartUp, "%s", qUtf8Printable(line));
            QObject::disconnect(*connection);
        });
}

// A profile that cannot be kept on disk is told once; the browser works all the same, forgetting at the end.
void openBrowserProfile() {
    try {
        gBrowserProfile = std::make_unique<BrowserProfile>(QDir(gAppPath).filePath(QStringLiteral("browser")));
    } catch (const std::exception& e) {
        MsgBox(QCoreApplication::translate("modMain", "%1 The browser keeps no log-in beyond this run.")
                   .arg(FailureText(e)),
               Msg::Buttons::Ok, Msg::Icon::Exclamation);
    }
}

// The Language key as kwz.ini holds it; a file that cannot be read gives the desktop's language and is reported
// with the other settings.
QString languageSetting() {
    try {
        return IniRead(gIniFile, kSection, QStringLiteral("Language")).trimmed();
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

bool ReadSettings(const QString& programDirectory, const QString& sharedDirectory) {
    if (programDirectory.isEmpty()) {
        MsgBox(QCoreApplication::translate("modMain", "Error n° 1 The program directory is unknown\r in ReadSettings"),
               Msg::Buttons::Ok, Msg::Icon::Critical);
        return false;
    }
    gAppPath = programDirectory;
    gSharedPath = sharedDirectory.isEmpty() ? programDirectory : sharedDirectory;
    gIniFile = gAppPath + QStringLiteral("/kwz.ini");
    InstallTranslations(languageSetting());
    gArchiveFile = gAppPath + QStringLiteral("/kwz.db");
    if (!QFileInfo(gArchiveFile).isFile())
        MsgBox(
            QCoreApplication::translate("modMain", "Specified archive file does not exist. Check menu tools->options"),
            Msg::Buttons::Ok, Msg::Icon::Critical);

    gConnectionString = ConnectionStringFor(gArchiveFile);
    if (!QFileInfo(gIniFile).isFile()) {
        MsgBox(QCoreApplication::translate(
                   "modMain", "I cannot read ini file.\r\nCheck presence of file .ini in program directory!"),
               Msg::Buttons::Ok, Msg::Icon::Critical);
        gSitesOrder = 1;
        gPopUpBlock = 0;
        return true;
    }
    gSitesOrder = readSetting(QStringLiteral("SitesOrder"), 1);
    gPopUpBlock = readSetting(QStringLiteral("PopUpBlock"), 0);
    gNextRemainingSite = readFlag(QStringLiteral("NextRemainingSite"), false);
    gNextOldVersionSite = readFlag(QStringLiteral("NextOldVersionSite"), false);
    gFillAllAfterVisit = readFlag(QStringLiteral("FillAllAfterVisit"), false);
    gOpenHomeAtStart = readFlag(QStringLiteral("OpenHomeAtStart"), true);
    return true;
}

bool Main(const QString& programDirectory, const QString& sharedDirectory) {
    Trap(QStringLiteral("Error in Main: "), [&] {
        if (!ReadSettings(programDirectory, sharedDirectory)) {
            MsgBox(QCoreApplication::translate("modMain", "Error in Sub Main reading settings"), Msg::Buttons::Ok,
                   Msg::Icon::Critical);
            return;
        }
        backUpOncePerDay();
        openBrowserProfile();
        prepareExtraTables();
        frmSplash splash;
        splash.show();
        splash.repaint();
        QApplication::processEvents();

        gMainWindow = new frmMain;
        logFirstHomePageLoad(gMainWindow);
        gMainWindow->Form_Load();
        splash.close();
        gMainWindow->show();
    });
    return gMainWindow && gMainWindow->isVisible();
}

void EndProgram() {
    delete gMainWindow;
    gMainWindow = nullptr;
    gBrowserProfile.reset();
    // Closing the window releases these; a window destroyed without closing leaves them.
    delete gViewFilter;
    gViewFilter = nullptr;
    gSite.reset();
    gProduct.reset();
    gIniFile.clear();
    gAppPath.clear();
    gSharedPath.clear();
    gArchiveFile.clear();
    gSitesOrder = 0;
    gPopUpBlock = 0;
    gNextRemainingSite = false;
    gNextOldVersionSite = false;
    gFillAllAfterVisit = false;
    gOpenHomeAtStart = true;
    RemoveTranslations();
}

bool StartProgram(const ProgramLayout& layout) {
    if (const QString problem = SeedUserData(layout); !problem.isEmpty()) {
        const bool hasDatabase = !layout.programDirectory.isEmpty() &&
                                 QFileInfo(QDir(layout.programDirectory).filePath(QStringLiteral("kwz.db"))).isFile();
        MsgBox(hasDatabase ? problem
                           : QCoreApplication::translate(
                                 "modMain", "%1\r\n\r\nThe program cannot work without its database and ends now.")
                                 .arg(problem),
               Msg::Buttons::Ok, Msg::Icon::Critical);
        if (!hasDatabase)
            return false;
    }
    return Main(layout.programDirectory, layout.sharedDirectory);
}
