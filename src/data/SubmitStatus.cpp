#include "SubmitStatus.h"

#include <QCoreApplication>

std::optional<SubmitStatus> SubmitStatusOf(int code) {
    for (const SubmitStatus status : kSubmitStatuses) {
        if (int(status) == code)
            return status;
    }
    return std::nullopt;
}

SubmitStatusWords WordsFor(SubmitStatus status) {
    struct Sources {
        const char* message;
        const char* history;
        const char* filter;
        const char* iconKey;
    };
    static constexpr Sources sources[] = {
        {QT_TRANSLATE_NOOP("SubmitStatus", "Not submitted"), QT_TRANSLATE_NOOP("SubmitStatus", "Not Submitted"),
         QT_TRANSLATE_NOOP("SubmitStatus", "NotSubmitted"), "notSubmitted"},
        {QT_TRANSLATE_NOOP("SubmitStatus", "Submitted"), QT_TRANSLATE_NOOP("SubmitStatus", "Submitted"),
         QT_TRANSLATE_NOOP("SubmitStatus", "Submitted"), "submitted"},
        {QT_TRANSLATE_NOOP("SubmitStatus", "Published"), QT_TRANSLATE_NOOP("SubmitStatus", "Published"),
         QT_TRANSLATE_NOOP("SubmitStatus", "Published"), "published"},
    };
    // Translated on each call, so that the words follow the language the program runs in.
    const auto word = [](const char* text) { return QCoreApplication::translate("SubmitStatus", text); };
    const Sources& source = sources[int(status)];
    return {word(source.message), word(source.history), word(source.filter), QString::fromLatin1(source.iconKey)};
}
