// Forced into the engine's sources by the web build (-include): the C++
// library of Debian's emscripten (libc++ 14) has std::to_chars for integers
// only, and the state report writes its fold factors with the double one.
// This gives the shortest text that reads back as the same double, which is
// what the standard's shortest form gives for the values the report holds.
#pragma once

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#if defined(__EMSCRIPTEN__) && !defined(STRATALOOM_TO_CHARS_REEL)
#define STRATALOOM_TO_CHARS_REEL
namespace std {
inline to_chars_result to_chars(char* debut, char* fin, double v) {
    char tampon[40];
    int n = 0;
    for (int precision = 1; precision <= 17; ++precision) {
        n = std::snprintf(tampon, sizeof tampon, "%.*g", precision, v);
        if (std::strtod(tampon, nullptr) == v) break;
    }
    if (n < 0 || n > fin - debut) return {fin, errc::value_too_large};
    for (int i = 0; i < n; ++i) debut[i] = tampon[i];
    return {debut + n, errc{}};
}
}  // namespace std
#endif
