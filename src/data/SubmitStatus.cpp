#include "SubmitStatus.h"

std::optional<SubmitStatus> SubmitStatusOf(int code) {
    for (const SubmitStatus status : kSubmitStatuses) {
        if (int(status) == code)
            return status;
    }
    return std::nullopt;
}

const SubmitStatusWords& WordsFor(SubmitStatus status) {
    static const SubmitStatusWords words[] = {
        {QStringLiteral("Not submitted"), QStringLiteral("Not Submitted"), QStringLiteral("NotSubmitted"),
         QStringLiteral("notSubmitted")},
        {QStringLiteral("Submitted"), QStringLiteral("Submitted"), QStringLiteral("Submitted"),
         QStringLiteral("submitted")},
        {QStringLiteral("Published"), QStringLiteral("Published"), QStringLiteral("Published"),
         QStringLiteral("published")},
    };
    return words[int(status)];
}
