#pragma once

#include "DbConnection.h"
#include "ProgramDirectory.h"

#include <QString>

#include <memory>

class BrowserProfile;
class frmMain;
class cProduct;
class cSite;
class cViewFilter;

// State shared by the whole program; gConnectionString lives with the database connection.
extern QString gIniFile;
extern QString gAppPath;
// Where the files shipped with the program are (the manual): gAppPath for a portable copy, share/ when installed.
extern QString gSharedPath;
extern QString gArchiveFile;
extern qint16 gSitesOrder;
extern qint16 gPopUpBlock;
// The submission run, both off unless kwz.ini holds 1: after a status change the next site of the list without a
// status for the product is visited, and a visited site's page is filled by Fill all once it has loaded.
extern bool gNextRemainingSite;
// Instead of the next remaining site, the next site of the list marked old version for the product (kwz.ini 1);
// NextRemainingSite wins when both are set.
extern bool gNextOldVersionSite;
extern bool gFillAllAfterVisit;
// Whether the start opens the maker's web site in the user's browser: on unless kwz.ini holds 0.
extern bool gOpenHomeAtStart;
extern frmMain* gMainWindow;
extern cViewFilter* gViewFilter;
// The record objects of the editors: made by the main window's load, replaced by an editor while it is open.
extern std::unique_ptr<cSite> gSite;
extern std::unique_ptr<cProduct> gProduct;
// The browser's profile in the folder `browser` of the program directory: made by Main before the main window,
// destroyed by EndProgram after it, as the engine's pages must go before their profile. Null when the folder could
// not be made (the browser then keeps nothing beyond the run) and outside a started program.
extern std::unique_ptr<BrowserProfile> gBrowserProfile;

// Builds the paths and reads kwz.ini; false when the program directory is unknown. An empty shared
// directory means the program directory (a portable copy).
// Setting values that are not 16-bit numbers throw to the caller.
bool ReadSettings(const QString& programDirectory, const QString& sharedDirectory = QString());

// Starts the program: settings, splash, main window. Returns true when the main window is shown.
bool Main(const QString& programDirectory, const QString& sharedDirectory = QString());

// Ends what Main started: destroys the main window and sets the shared state back to its start values. main calls
// it before the application object goes, so the browser engine's pages go before its profile; tests call it
// between one program and the next.
void EndProgram();

// Seeds an installed copy's data directory, then starts as Main does. A seeding problem is shown; when it
// leaves no database the program cannot work, and start-up ends there (returns false).
bool StartProgram(const ProgramLayout& layout);
