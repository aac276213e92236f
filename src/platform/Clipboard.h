#pragma once

#include <QString>

#include <chrono>

// Leaves a pasted value on the clipboard, so the user can also paste it by hand.
void PutOnClipboard(const QString& text);

// Puts a password on the clipboard marked as secret, so that clipboard managers keep no copy of it, and takes it
// off again after clearAfter if it is still there.
void PutSecretOnClipboard(const QString& secret, std::chrono::milliseconds clearAfter = std::chrono::seconds(30));
