// SPDX-License-Identifier: GPL-3.0-or-later
// The two pieces of JSON text the state report and the chronology write.
#pragma once

#include <string>
#include <string_view>

namespace section {

// Appends a JSON string: quotes, backslashes and control characters
// escaped, the rest as UTF-8.
void ChaineJson(std::string& out, std::string_view utf8);

// The shortest text that reads back as the same double; whole numbers
// without a decimal point or an exponent.
std::string NombreJson(double v);

}  // namespace section
