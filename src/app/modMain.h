#pragma once

#include "DbConnection.h"
#include "ProgramDirectory.h"

#include <QString>

class frmMain;
class cViewFilter;

// State shared by the whole program; gConnectionString lives with the database connection.
extern QString gIniFile;
extern QString gAppPath;
extern QString gArchiveFile;
extern qint16 gSitesOrder;
extern qint16 gPopUpBlock;
extern frmMain* gMainWindow;
extern cViewFilter* gViewFilter;

// Builds the paths and reads kwz.ini; false when the program directory is unknown.
// Setting values that are not 16-bit numbers throw to the caller.
bool ReadSettings(const QString& programDirectory = ProgramDirectory());

// Starts the program: settings, splash, main window. Returns true when the main window is shown.
bool Main(const QString& programDirectory = ProgramDirectory());
