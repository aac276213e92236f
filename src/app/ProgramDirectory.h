#pragma once

#include <QString>

// Where the program's files are, decided once at start-up from where the executable sits.
// A portable copy keeps everything in the directory of its executable. An installed copy
// (PREFIX/bin/<program> beside PREFIX/share/<program>/) usually cannot write to its prefix, so it
// reads what it ships from share/ and keeps the user's files in the user's data directory.
struct ProgramLayout {
    bool installed = false;
    // The program-directory role: kwz.db, kwz.ini and webStart.html.
    QString programDirectory;
    // What ships with the program: the manual, and for an installed copy the files that seed the data directory.
    QString sharedDirectory;
};

// The executable's name, and the name of its folder under share/.
inline const QString ProgramName = QStringLiteral(QUILL_PROGRAM_NAME);

// userDataDirectory is taken by an installed copy only.
ProgramLayout DecideLayout(const QString& executableDirectory, const QString& userDataDirectory);

// The running program's layout: its executable's directory and the user's AppDataLocation.
ProgramLayout RunningProgramLayout();

// Gives an installed copy's data directory the files it lacks (the empty database, the default settings),
// copied from the shared directory with owner-only permissions; an existing file is never touched.
// Returns what went wrong, in words for the user, or an empty text. A portable copy needs nothing.
QString SeedUserData(const ProgramLayout& layout);
