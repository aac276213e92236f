#pragma once

#include <QString>

#include <optional>

// A product's submission status on a site, as stored in submitStatus (no row means NotSubmitted), with the
// words and pictures the windows show for it.
enum class SubmitStatus : qint16 { NotSubmitted = 0, Submitted = 1, Published = 2 };

inline constexpr SubmitStatus kSubmitStatuses[] = {SubmitStatus::NotSubmitted, SubmitStatus::Submitted,
                                                   SubmitStatus::Published};

// The status a stored code stands for; none for any other code (a note in the log is -1).
std::optional<SubmitStatus> SubmitStatusOf(int code);

struct SubmitStatusWords {
    QString message; // after a status change: "Not submitted"
    QString history; // in the history window and the menus: "Not Submitted"
    QString filter;  // in the site list's status filter: "NotSubmitted"
    QString iconKey; // the site list's picture
};
SubmitStatusWords WordsFor(SubmitStatus status);
