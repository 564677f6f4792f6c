// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace section {

void ChaineJson(std::string& out, std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        switch (u) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (u < 0x20) {
                out += "\\u00";
                out += kHex[u >> 4];
                out += kHex[u & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

std::string NombreJson(double v) {
    char tampon[40];
    if (v == std::nearbyint(v) && std::fabs(v) < 1e15) {
        std::snprintf(tampon, sizeof tampon, "%.0f", v == 0 ? 0.0 : v);
        return tampon;
    }
    for (int chiffres = 1; chiffres <= 17; ++chiffres) {
        std::snprintf(tampon, sizeof tampon, "%.*g", chiffres, v);
        if (std::strtod(tampon, nullptr) == v) break;
    }
    return tampon;
}

}  // namespace section
