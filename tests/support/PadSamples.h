#pragma once

#include <QByteArray>
#include <QString>

// PAD documents written the way authors' tools write them. They live outside the test classes because the
// meta-object compiler misreads raw string literals that hold quotes.

// A small PAD file whose Program_Info holds Program_Name "Kept" and then inner.
QByteArray PadWithProgramInfo(const QString& inner);
