#pragma once

#include "Failure.h"
#include "MessageBox.h"

#include <exception>

// Runs a procedure that traps its own failures: a failure is shown as prefix + description with a critical icon.
// Returns false when the procedure failed.
template <class Procedure> bool Trap(const QString& prefix, Procedure&& procedure) {
    try {
        procedure();
        return true;
    } catch (const std::exception& e) {
        MsgBox(prefix + FailureText(e), Msg::Buttons::Ok, Msg::Icon::Critical);
        return false;
    }
}
