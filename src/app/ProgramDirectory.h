#pragma once

#include <QString>

// The directory of the running executable: the program directory of a portable copy.
QString ProgramDirectory();
