#pragma once

// Header only: the fuzz programs use it too, without the test support library.
#include "PadFile.h"

#include <QStringList>

// Every field as "Field=value" (unset fields as "Field -"), so that a comparison names the field that differs.
inline QStringList PadFieldTexts(const PadProduct& p) {
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
    QStringList result;
    for (const auto& [name, value] : texts)
        result << (*value ? QString("%1=%2").arg(name, **value) : QString("%1 -").arg(name));
    result << (p.ReleaseDate ? "ReleaseDate=" + p.ReleaseDate->toString(Qt::ISODate) : QString("ReleaseDate -"));
    return result;
}
