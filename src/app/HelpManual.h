#pragma once

#include <QString>

// The user manual shipped with the program (beside it, or under share/ when installed).
QString ManualPath();

// Opens the manual in the user's browser; says so clearly when it is missing.
void HelpManual();
