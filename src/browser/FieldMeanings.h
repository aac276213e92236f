#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

// What a field of a submission form means, told by the words sites use for it, and which product column fills it.
// Fill all reads each kind of words against this table in order and takes the first entry whose words fit.
struct FieldMeaning {
    enum class Kind {
        Text,    // a text; cut at a word boundary when the field is too short
        Address, // a web or mail address; never cut
        Size,    // the file size, in the unit the field's words name (bytes when none)
        Date,    // the release date in one field
        Day,     // one part of a release date split over several fields
        Month,
        Year,
    };
    QString column; // the product column that gives the value; empty: the product has none (left alone)
    Kind kind;
    QString autocomplete; // autocomplete tokens that mean it, separated by spaces
    // Patterns are JavaScript regular expressions without named groups or back-references.
    QString names;        // pattern for the name or id, in lower case with every run of other characters as "_"
    QString labels;       // pattern for the words a person reads beside the field, in lower case
    QString shorter = {}; // the column of a shorter text for a field too short for the value; empty: none
    // Pattern for a whole name or caption that says this meaning only weakly ("url", "title"): it decides only when
    // nothing more specific speaks for the field, and never against a caption.
    QString generic = {};
};

const QList<FieldMeaning>& FieldMeanings();

// The table as the fill script takes it: one [column, kind, autocomplete, names, labels, shorter, generic] list per
// entry.
QVariantList FieldMeaningsForScript();
