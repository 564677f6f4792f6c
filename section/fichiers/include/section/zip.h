// SPDX-License-Identifier: GPL-3.0-or-later
// A zip archive written in memory, for the packages a course platform
// reads: every entry stored as it is (no compression), with its CRC-32 and
// one fixed date (1 January 1980, 00:00), so that the same files always
// give the same bytes. Names are plain relative paths of a few safe ASCII
// characters; sizes stay within the classic format (no 64-bit records).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace section {

constexpr std::size_t kEntreesZipMax = 1000;
constexpr std::size_t kNomZipMax = 200;
// Well under the 4 GiB that the classic format's 32-bit offsets reach.
constexpr std::size_t kOctetsZipMax = std::size_t{1} << 30;

class EcritureZip {
public:
    // Adds a file. `nom`: 1 .. kNomZipMax bytes of letters, digits, '.',
    // '-' and '_', parts separated by single '/', no part "." or "..", no
    // leading or trailing '/', and no name given twice (case ignored, as
    // some systems compare names). Returns the reason of a refusal, in the
    // current language, or "" when the file was added.
    std::string Ajouter(std::string_view nom, std::string_view octets);
    // The archive's bytes: the entries in the order they were added, then
    // their central directory.
    std::string Terminer() const;
    std::size_t Entrees() const { return entrees_; }

private:
    std::string donnees_;    // local headers and contents
    std::string repertoire_; // central directory records
    std::string nomsVus_;    // "\n"-separated lowercase names already added
    std::size_t entrees_ = 0;
};

}  // namespace section
