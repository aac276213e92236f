#pragma once

#include <QString>

// The user manual shipped beside the program.
QString ManualPath();

// Opens the manual in the user's browser; says so clearly when it is missing.
void HelpManual();
