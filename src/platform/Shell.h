#pragma once

#include <QString>

#include <functional>

// Opens an address, a mail address or a document with the user's default program; nothing waits for it or checks it.
void ShellOpen(const QString& operation, const QString& target);

// Tests record what would be opened instead of opening it; an empty interceptor opens for real again.
using ShellInterceptor = std::function<void(const QString& operation, const QString& target)>;
void SetShellInterceptor(ShellInterceptor interceptor);
