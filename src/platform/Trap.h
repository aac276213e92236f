#pragma once

#include "Failure.h"
#include "MessageBox.h"

#include <exception>

// "Error in NAME: " in the language the program runs in (the procedure's name stays); any other prefix as it is.
QString TranslatedTrapPrefix(const QString& prefix);

// Runs a procedure that traps its own failures: a failure is shown as prefix + description with a critical icon.
// Returns false when the procedure failed.
template <class Procedure> bool Trap(const QString& prefix, Procedure&& procedure) {
    try {
        procedure();
        return true;
    } catch (const std::exception& e) {
        MsgBox(TranslatedTrapPrefix(prefix) + FailureText(e), Msg::Buttons::Ok, Msg::Icon::Critical);
        return false;
    }
}
