// ParsePad never crashes on any input; a product it reads, written by WritePad, reads back to the same fields.
#include "PadFile.h"
#include "Property.h"

#include <cstddef>
#include <cstdint>

namespace {

// Every field as "Field=value", unset ones as "Field -", so that a difference names its field.
QStringList fieldsOf(const PadProduct& p) {
    const std::pair<const char*, const std::optional<QString>*> texts[] = {
        {"Name", &p.Name},
        {"Version", &p.Version},
        {"PadLocation", &p.PadLocation},
        {"Author", &p.Author},
        {"Email", &p.Email},
        {"SizeKB", &p.SizeKB},
        {"SizeBytes", &p.SizeBytes},
        {"ProgramUrl", &p.ProgramUrl},
        {"Screenshot", &p.Screenshot},
        {"IconUrl", &p.IconUrl},
        {"Download1", &p.Download1},
        {"Download2", &p.Download2},
        {"BuyUrl", &p.BuyUrl},
        {"ShortDescription", &p.ShortDescription},
        {"LongDescription", &p.LongDescription},
        {"Keywords", &p.Keywords},
        {"Limitations", &p.Limitations},
        {"RecentChanges", &p.RecentChanges},
        {"RegNow", &p.RegNow},
        {"ShareIt", &p.ShareIt},
    };
    QStringList fields;
    for (const auto& [name, value] : texts)
        fields << (*value ? QStringLiteral("%1=%2").arg(QLatin1String(name), **value) : QLatin1String(name) + " -");
    fields << (p.ReleaseDate ? "ReleaseDate=" + p.ReleaseDate->toString(Qt::ISODate) : QStringLiteral("ReleaseDate -"));
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const PadReadResult read = ParsePad(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!read.ok())
        return 0;
    const QByteArray written = WritePad(read.product);
    const PadReadResult again = ParsePad(written);
    Expect(again.ok(), "WritePad writes a file ParsePad reads", again.error + "\n" + QString::fromUtf8(written));
    Expect(again.problems.isEmpty(), "WritePad writes no field ParsePad leaves out", again.problems.join('\n'));
    const QStringList before = fieldsOf(read.product);
    const QStringList after = fieldsOf(again.product);
    for (qsizetype i = 0; i < before.size(); ++i)
        Expect(before[i] == after[i], "a PAD file read, written and read again keeps its fields",
               QStringLiteral("read:  %1\nagain: %2").arg(before[i], after[i]));
    return 0;
}
