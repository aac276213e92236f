#pragma once

#include <QString>

// Private-profile (INI) settings: section and key names match without regard to case,
// a missing file, section or key reads as the empty text.
QString IniRead(const QString& path, const QString& section, const QString& key);

// Writes one key, creating the file, the section or the key when missing and keeping every other line.
// Returns false when the file cannot be written.
bool IniWrite(const QString& path, const QString& section, const QString& key, const QString& value);
