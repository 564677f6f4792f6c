// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/zip.h"

#include "section/fichiers.h"
#include "section/textes.h"

namespace section {

namespace {

constexpr std::uint16_t kDateFixe = (0 << 9) | (1 << 5) | 1;  // 1980-01-01, as DOS counts
constexpr std::uint16_t kHeureFixe = 0;

void Ecrire16(std::string& o, std::uint32_t v) {
    o += static_cast<char>(v & 0xFF);
    o += static_cast<char>(v >> 8 & 0xFF);
}
void Ecrire32(std::string& o, std::uint32_t v) {
    Ecrire16(o, v & 0xFFFF);
    Ecrire16(o, v >> 16);
}

bool CaractereSur(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
           c == '_';
}

bool NomAdmis(std::string_view nom) {
    if (nom.empty() || nom.size() > kNomZipMax) return false;
    std::size_t debut = 0;
    while (debut <= nom.size()) {
        std::size_t fin = nom.find('/', debut);
        if (fin == std::string_view::npos) fin = nom.size();
        const std::string_view partie = nom.substr(debut, fin - debut);
        if (partie.empty() || partie == "." || partie == "..") return false;
        for (const char c : partie)
            if (!CaractereSur(c)) return false;
        debut = fin + 1;
    }
    return true;
}

std::string EnMinuscules(std::string_view s) {
    std::string t(s);
    for (char& c : t)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return t;
}

}  // namespace

std::string EcritureZip::Ajouter(std::string_view nom, std::string_view octets) {
    if (!NomAdmis(nom))
        return Remplir(Texte("Paquet", "le nom « %1 » ne peut pas entrer dans une archive"), {SansControles(nom)});
    const std::string cle = "\n" + EnMinuscules(nom) + "\n";
    if (("\n" + nomsVus_).find(cle) != std::string::npos)
        return Remplir(Texte("Paquet", "le nom « %1 » est donné deux fois"), {std::string(nom)});
    if (entrees_ >= kEntreesZipMax)
        return Remplir(Texte("Paquet", "l'archive ne peut pas tenir plus de %1 fichiers"),
                       {std::to_string(kEntreesZipMax)});
    // Both headers and the end record, counted before anything is written.
    const std::size_t ajout = 30 + nom.size() + octets.size() + 46 + nom.size();
    if (octets.size() > kOctetsZipMax || donnees_.size() + repertoire_.size() + ajout + 22 > kOctetsZipMax)
        return Remplir(Texte("Paquet", "l'archive dépasserait %1 Mio"), {std::to_string(kOctetsZipMax >> 20)});
    const std::uint32_t crc = Crc32(octets);
    const auto taille = static_cast<std::uint32_t>(octets.size());
    const auto position = static_cast<std::uint32_t>(donnees_.size());

    Ecrire32(donnees_, 0x04034b50);
    Ecrire16(donnees_, 10);  // version needed: stored entries
    Ecrire16(donnees_, 0);   // flags: ASCII names, sizes known
    Ecrire16(donnees_, 0);   // stored
    Ecrire16(donnees_, kHeureFixe);
    Ecrire16(donnees_, kDateFixe);
    Ecrire32(donnees_, crc);
    Ecrire32(donnees_, taille);
    Ecrire32(donnees_, taille);
    Ecrire16(donnees_, static_cast<std::uint32_t>(nom.size()));
    Ecrire16(donnees_, 0);
    donnees_ += nom;
    donnees_ += octets;

    Ecrire32(repertoire_, 0x02014b50);
    Ecrire16(repertoire_, 3u << 8 | 20);  // made on a Unix-like system, format 2.0
    Ecrire16(repertoire_, 10);
    Ecrire16(repertoire_, 0);
    Ecrire16(repertoire_, 0);
    Ecrire16(repertoire_, kHeureFixe);
    Ecrire16(repertoire_, kDateFixe);
    Ecrire32(repertoire_, crc);
    Ecrire32(repertoire_, taille);
    Ecrire32(repertoire_, taille);
    Ecrire16(repertoire_, static_cast<std::uint32_t>(nom.size()));
    Ecrire16(repertoire_, 0);  // extra field
    Ecrire16(repertoire_, 0);  // comment
    Ecrire16(repertoire_, 0);  // disk
    Ecrire16(repertoire_, 0);  // internal attributes
    Ecrire32(repertoire_, 0100644u << 16);  // a regular file, rw-r--r--
    Ecrire32(repertoire_, position);
    repertoire_ += nom;

    nomsVus_ += EnMinuscules(nom) + "\n";
    ++entrees_;
    return {};
}

std::string EcritureZip::Terminer() const {
    std::string o = donnees_ + repertoire_;
    Ecrire32(o, 0x06054b50);
    Ecrire16(o, 0);
    Ecrire16(o, 0);
    Ecrire16(o, static_cast<std::uint32_t>(entrees_));
    Ecrire16(o, static_cast<std::uint32_t>(entrees_));
    Ecrire32(o, static_cast<std::uint32_t>(repertoire_.size()));
    Ecrire32(o, static_cast<std::uint32_t>(donnees_.size()));
    Ecrire16(o, 0);  // no comment
    return o;
}

}  // namespace section
