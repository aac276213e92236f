#pragma once

#include "Failure.h"

#include <QCoreApplication>

// A database failure, described by the driver's own text.
class DbError final : public Failure {
public:
    using Failure::Failure;
};

// A change that found no row: another window or program deleted the record meanwhile. `record` names it
// ("site", "product").
class RecordGone final : public Failure {
public:
    explicit RecordGone(const QString& record) : Failure(textFor(record)) {}

private:
    // Whole sentences, so that a translation can agree with the record's word.
    static QString textFor(const QString& record) {
        return record == QLatin1String("product")
                   ? QCoreApplication::translate("RecordGone", "This product no longer exists in the archive: another "
                                                               "window or program deleted it. Nothing was saved.")
                   : QCoreApplication::translate("RecordGone", "This site no longer exists in the archive: another "
                                                               "window or program deleted it. Nothing was saved.");
    }
};

// Throws RecordGone when a change meant for one row changed none.
inline void RequireRowChanged(int changed, const QString& record) {
    if (changed < 1)
        throw RecordGone(record);
}
