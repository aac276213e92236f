#pragma once

#include "DbConnection.h"
#include "ProgramDirectory.h"

#include <QString>

#include <memory>

class frmMain;
class cProduct;
class cSite;
class cViewFilter;

// State shared by the whole program; gConnectionString lives with the database connection.
extern QString gIniFile;
extern QString gAppPath;
extern QString gArchiveFile;
extern qint16 gSitesOrder;
extern qint16 gPopUpBlock;
extern frmMain* gMainWindow;
extern cViewFilter* gViewFilter;
// The record objects of the editors: made by the main window's load, replaced by an editor while it is open.
extern std::unique_ptr<cSite> gSite;
extern std::unique_ptr<cProduct> gProduct;

// Builds the paths and reads kwz.ini; false when the program directory is unknown.
// Setting values that are not 16-bit numbers throw to the caller.
bool ReadSettings(const QString& programDirectory = ProgramDirectory());

// Starts the program: settings, splash, main window. Returns true when the main window is shown.
bool Main(const QString& programDirectory = ProgramDirectory());
