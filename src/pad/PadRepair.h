#pragma once

#include <QByteArray>
#include <QStringList>

// PAD files on the web are often written by hand or by tools that do not escape: the two faults found most are a
// bare & in an address or a text, and an end tag whose case differs from its start tag. These are mended here,
// and nothing else.
struct PadRepair {
    QByteArray bytes;  // the document with both faults mended; the input itself when neither was found
    QStringList notes; // one sentence per kind of fault mended, with the lines where it was
};

// Works on the bytes of ASCII-compatible encodings (UTF-8, ISO-8859-x, Windows-125x); anything else (UTF-16, a
// NUL byte) is returned as it is. Text inside comments, CDATA sections and processing instructions is kept.
PadRepair RepairPadXml(const QByteArray& bytes);
