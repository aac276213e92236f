#pragma once

#include <QString>

// Private-profile (INI) settings: section and key names match without regard to case,
// a missing or unreadable file, section or key reads as the empty text. A file is UTF-8, or Latin-1 when it is
// not valid UTF-8.
QString IniRead(const QString& path, const QString& section, const QString& key);

// Writes one key, creating the file, the section or the key when missing and keeping every other line, its
// line end and its encoding. The file is replaced in one step. Throws Failure, leaving the file as it was,
// when it cannot be written or when the existing file cannot be read or is not text.
void IniWrite(const QString& path, const QString& section, const QString& key, const QString& value);
