#pragma once

#include <QByteArray>
#include <QString>

// Writes the bytes as the file at path, replacing a file there in one step. Every write and the final flush are
// checked: on any failure the file stays byte for byte as it was (a new one is not left behind) and Failure says
// "<path> cannot be written: <reason>".
void WriteWholeFile(const QString& path, const QByteArray& bytes);
