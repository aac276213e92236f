// ParsePad never crashes on any input; a product it reads, written by WritePad, reads back to the same fields.
#include "PadFields.h"
#include "Property.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const PadReadResult read = ParsePad(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!read.ok())
        return 0;
    const QByteArray written = WritePad(read.product);
    const PadReadResult again = ParsePad(written);
    Expect(again.ok(), "WritePad writes a file ParsePad reads", again.error + "\n" + QString::fromUtf8(written));
    Expect(again.problems.isEmpty(), "WritePad writes no field ParsePad leaves out", again.problems.join('\n'));
    const QStringList before = PadFieldTexts(read.product);
    const QStringList after = PadFieldTexts(again.product);
    for (qsizetype i = 0; i < before.size(); ++i)
        Expect(before[i] == after[i], "a PAD file read, written and read again keeps its fields",
               QStringLiteral("read:  %1\nagain: %2").arg(before[i], after[i]));
    return 0;
}
