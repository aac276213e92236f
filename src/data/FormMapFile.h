#pragma once

#include "Failure.h"

#include <QByteArray>

// Learned form maps as a file authors can share: JSON, {"formMaps": [{"site": submit address, "formPath": ...,
// "fieldKey": ..., "column": tab_products column or "" for left empty}, ...]}.

// Every learned field of the archive's sites that have a submit address (the only way an import finds a site), sites
// in key order.
QByteArray FormMapsJson();

struct FormMapImport {
    int stored = 0;    // fields stored (once per site the entry's address names)
    int unmatched = 0; // entries whose address names no site of the archive
};

// What is wrong with a file of form maps, and where.
class FormMapFileFault final : public Failure {
public:
    using Failure::Failure;
};

// Merges such a file: an entry goes to every site whose submit address, normalised, is the entry's, replacing what
// was learned for the same field; all in one transaction. A malformed file throws FormMapFileFault naming the place of
// the fault ("line 3, column 7: ..." or "entry 2: ...") and changes nothing.
FormMapImport ImportFormMaps(const QByteArray& json);
