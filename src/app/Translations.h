#pragma once

#include <QString>

// Installs the program's translation and Qt's own (the standard dialogs' buttons) for `language` (kwz.ini's Language
// key: en, de, fr, es), or for the desktop's language when it is empty. English, and any language the program does
// not ship, show the source texts. Replaces what an earlier call installed.
void InstallTranslations(const QString& language);

// Removes what InstallTranslations installed, so that a later start begins in English.
void RemoveTranslations();
