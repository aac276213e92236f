#pragma once

#include <QString>

// A setting's text as a 16-bit integer: blanks around it ignored, a fraction rounded half to even.
// Throws Failure "Type mismatch" for text that is not a number and "Overflow" outside 16 bits.
qint16 SettingToInt16(const QString& text);
