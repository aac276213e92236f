#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for tests; a write that fails stops the test program, as nothing after it means
// anything. Reading a missing file gives a null array.
void WriteFile(const QString& path, const QByteArray& content);
QByteArray ReadFile(const QString& path);
