#pragma once

#include <QString>

#include <cstdio>

// A property that does not hold stops the fuzzer with the input saved; the message says which one and why.
inline void Expect(bool holds, const char* property, const QString& details = {}) {
    if (holds)
        return;
    std::fprintf(stderr, "\nProperty failed: %s\n%s\n", property, qUtf8Printable(details));
    __builtin_trap();
}
