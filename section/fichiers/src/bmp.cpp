// SPDX-License-Identifier: GPL-3.0-or-later
// BMP pictures: header checks, decoding of the usual layouts (1, 4, 8, 16,
// 24 and 32 bits, RLE4 and RLE8, bit fields, OS/2 and top-down rows) and the
// 24-bit writer.
#include "section/bmp.h"

#include <array>
#include <cstring>

namespace section {

namespace {

std::uint32_t Le32(std::string_view b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

std::uint16_t Le16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

constexpr std::uint32_t kSansCompression = 0, kRle8 = 1, kRle4 = 2, kChamps = 3, kChampsAlpha = 6;

std::int64_t Pas(const EnteteBmp& e) { return (std::int64_t{e.largeur} * e.bits + 31) / 32 * 4; }

// One channel of a bit-field pixel, scaled to 8 bits as the usual readers
// do: the field's value times 256 / (its largest value + 1).
struct Champ {
    std::uint32_t masque = 0;
    int decalage = 0;
    std::uint32_t echelle = 0;
    explicit Champ(std::uint32_t m) : masque(m) {
        if (!m) return;
        while (!(m & 1u)) {
            m >>= 1;
            ++decalage;
        }
        const std::uint64_t max = std::uint64_t{m} + 1;
        echelle = static_cast<std::uint32_t>(256 / max);
    }
    unsigned Valeur(std::uint32_t c) const { return ((c & masque) >> decalage) * echelle & 0xFFu; }
};

// Writes index `i` of the palette at (x, row y of the picture as shown).
struct Sortie {
    Raster& r;
    const std::vector<Couleur>& palette;
    void Indice(int x, int y, unsigned i) {
        r.row(y)[x] = i < palette.size() ? palette[i] : kNoir;
    }
};

// Run-length data, decoded within the picture and the bytes given: runs
// and literal strings, end of line, end of picture, and jumps.
void DecoderRle(std::string_view d, const EnteteBmp& e, Sortie& s) {
    const bool quatre = e.compression == kRle4;
    std::size_t p = 0;
    int x = 0, y = 0;  // y counts rows from the bottom
    const auto poser = [&](unsigned indice) {
        if (x < e.largeur && y < e.hauteur) s.Indice(x, e.hauteur - 1 - y, indice);
        ++x;
    };
    while (p + 1 < d.size() && y < e.hauteur) {
        const unsigned n = static_cast<unsigned char>(d[p]);
        const unsigned v = static_cast<unsigned char>(d[p + 1]);
        p += 2;
        if (n > 0) {
            for (unsigned k = 0; k < n && x < e.largeur; ++k)
                poser(quatre ? (k % 2 ? v & 0xFu : v >> 4) : v);
            continue;
        }
        if (v == 0) {  // end of line
            x = 0;
            ++y;
        } else if (v == 1) {  // end of picture
            return;
        } else if (v == 2) {  // jump right and up
            if (p + 1 >= d.size()) return;
            x += static_cast<unsigned char>(d[p]);
            y += static_cast<unsigned char>(d[p + 1]);
            p += 2;
        } else {  // v literal pixels, padded to a 16-bit word
            const std::size_t octets = quatre ? (v + 1) / 2 : v;
            if (p + octets > d.size()) return;
            for (unsigned k = 0; k < v; ++k) {
                const unsigned b = static_cast<unsigned char>(d[p + (quatre ? k / 2 : k)]);
                if (x >= e.largeur) break;
                poser(quatre ? (k % 2 ? b & 0xFu : b >> 4) : b);
            }
            p += (octets + 1) / 2 * 2;
        }
    }
}

void Mettre16(std::string& o, std::uint16_t v) {
    o += static_cast<char>(v & 0xFF);
    o += static_cast<char>(v >> 8);
}

void Mettre32(std::string& o, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) o += static_cast<char>(v >> (8 * i) & 0xFF);
}

}  // namespace

std::optional<EnteteBmp> AnalyserEnteteBmp(std::string_view b) {
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    EnteteBmp e;
    e.debutDonnees = Le32(b, 10);
    e.tailleEntete = Le32(b, 14);
    std::int64_t w = 0, h = 0;
    std::uint32_t compression = 0;
    if (e.tailleEntete == 12) {
        w = Le16(b, 18);
        h = Le16(b, 20);
        e.bits = Le16(b, 24);
    } else if (e.tailleEntete >= 40 && e.tailleEntete <= 4096 && b.size() >= 14 + std::size_t{e.tailleEntete}) {
        w = static_cast<std::int32_t>(Le32(b, 18));
        h = static_cast<std::int32_t>(Le32(b, 22));
        e.bits = Le16(b, 28);
        compression = Le32(b, 30);
    } else {
        return std::nullopt;
    }
    e.basEnHaut = h > 0;
    if (h < 0) h = -h;
    if (w < 1 || h < 1 || w > kCoteBmpMax || h > kCoteBmpMax) return std::nullopt;
    e.largeur = static_cast<int>(w);
    e.hauteur = static_cast<int>(h);
    switch (compression) {
    case kSansCompression:
        if (e.bits != 1 && e.bits != 4 && e.bits != 8 && e.bits != 16 && e.bits != 24 && e.bits != 32)
            return std::nullopt;
        break;
    case kRle8:
        if (e.bits != 8 || !e.basEnHaut) return std::nullopt;
        break;
    case kRle4:
        if (e.bits != 4 || !e.basEnHaut) return std::nullopt;
        break;
    case kChamps:
    case kChampsAlpha:
        if (e.bits != 16 && e.bits != 32) return std::nullopt;
        if (b.size() < 66) return std::nullopt;  // the three masks
        break;
    default: return std::nullopt;
    }
    e.compression = static_cast<int>(compression == kChampsAlpha ? kChamps : compression);
    if (e.debutDonnees < 14 + std::min<std::uint32_t>(e.tailleEntete, 40) || e.debutDonnees > kDebutDonneesMax)
        return std::nullopt;
    return e;
}

std::int64_t OctetsUtilesBmp(const EnteteBmp& e) {
    const std::int64_t w = e.largeur, h = e.hauteur;
    if (e.compression == static_cast<int>(kRle8) || e.compression == static_cast<int>(kRle4))
        return e.debutDonnees + (2 * w + 4) * h + 2;
    return e.debutDonnees + Pas(e) * h;
}

std::optional<EnteteBmp> LireEnteteBmp(std::string_view b) {
    std::optional<EnteteBmp> e = AnalyserEnteteBmp(b);
    if (!e || e->debutDonnees > b.size()) return std::nullopt;
    if (e->compression == static_cast<int>(kSansCompression) || e->compression == static_cast<int>(kChamps)) {
        if (e->debutDonnees + Pas(*e) * e->hauteur > static_cast<std::int64_t>(b.size())) return std::nullopt;
    }
    return e;
}

std::optional<Raster> LireBmp(std::string_view b, std::int64_t pixelsMax) {
    const std::optional<EnteteBmp> entete = LireEnteteBmp(b);
    if (!entete || entete->Pixels() > pixelsMax) return std::nullopt;
    const EnteteBmp& e = *entete;

    // The palette follows the header: 3 bytes an entry after an OS/2 header,
    // 4 after the others; as many entries as declared, or 2^bits.
    std::vector<Couleur> palette;
    if (e.bits <= 8) {
        const std::size_t largeurEntree = e.tailleEntete == 12 ? 3 : 4;
        std::size_t n = std::size_t{1} << e.bits;
        if (e.tailleEntete >= 40) {
            const std::uint32_t declarees = Le32(b, 46);
            if (declarees > 256) return std::nullopt;
            if (declarees) n = declarees;
        }
        const std::size_t debut = 14 + std::size_t{e.tailleEntete};
        if (debut + n * largeurEntree > b.size()) return std::nullopt;
        palette.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t at = debut + i * largeurEntree;
            palette.push_back(Rgb(static_cast<unsigned char>(b[at + 2]), static_cast<unsigned char>(b[at + 1]),
                                  static_cast<unsigned char>(b[at])));
        }
    }

    Raster r(e.largeur, e.hauteur, palette.empty() ? kNoir : palette[0]);
    Sortie sortie{r, palette};
    const std::string_view donnees = b.substr(e.debutDonnees);
    if (e.compression == kRle8 || e.compression == kRle4) {
        DecoderRle(donnees, e, sortie);
        return r;
    }

    std::uint32_t masques[3] = {0x7C00, 0x03E0, 0x001F};  // 16 bits: 5-5-5
    if (e.bits == 32) {
        masques[0] = 0xFF0000;
        masques[1] = 0x00FF00;
        masques[2] = 0x0000FF;
    }
    if (e.compression == kChamps)
        for (int i = 0; i < 3; ++i) masques[i] = Le32(b, 54 + 4 * static_cast<std::size_t>(i));
    const Champ rouge(masques[0]), vert(masques[1]), bleu(masques[2]);

    const std::size_t pas = static_cast<std::size_t>(Pas(e));
    for (int ligne = 0; ligne < e.hauteur; ++ligne) {
        const int y = e.basEnHaut ? e.hauteur - 1 - ligne : ligne;
        const unsigned char* p =
            reinterpret_cast<const unsigned char*>(donnees.data()) + pas * static_cast<std::size_t>(ligne);
        Couleur* out = r.row(y);
        for (int x = 0; x < e.largeur; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            switch (e.bits) {
            case 1: sortie.Indice(x, y, p[ux / 8] >> (7 - ux % 8) & 1u); break;
            case 4: sortie.Indice(x, y, ux % 2 ? p[ux / 2] & 0xFu : p[ux / 2] >> 4); break;
            case 8: sortie.Indice(x, y, p[ux]); break;
            case 24: out[x] = Rgb(p[3 * ux + 2], p[3 * ux + 1], p[3 * ux]); break;
            case 16:
            case 32: {
                std::uint32_t c = 0;
                const std::size_t n = static_cast<std::size_t>(e.bits / 8);
                for (std::size_t k = 0; k < n; ++k) c |= std::uint32_t{p[n * ux + k]} << (8 * k);
                out[x] = Rgb(rouge.Valeur(c), vert.Valeur(c), bleu.Valeur(c));
                break;
            }
            default: break;
            }
        }
    }
    return r;
}

std::string EcrireBmp(const Raster& r) {
    const auto w = static_cast<std::uint32_t>(r.width()), h = static_cast<std::uint32_t>(r.height());
    const std::uint32_t pas = (w * 24 + 31) / 32 * 4;
    const std::uint32_t taille = pas * h;
    std::string o;
    o.reserve(54 + taille);
    o += "BM";
    Mettre32(o, 54 + taille);
    Mettre32(o, 0);
    Mettre32(o, 54);
    Mettre32(o, 40);
    Mettre32(o, w);
    Mettre32(o, h);
    Mettre16(o, 1);
    Mettre16(o, 24);
    Mettre32(o, kSansCompression);
    Mettre32(o, taille);
    Mettre32(o, 3780);  // 96 dpi, so every writer gives the same bytes
    Mettre32(o, 3780);
    Mettre32(o, 0);
    Mettre32(o, 0);
    std::string ligne(pas, '\0');
    for (int y = r.height() - 1; y >= 0; --y) {
        const Couleur* p = r.row(y);
        for (std::uint32_t x = 0; x < w; ++x) {
            ligne[3 * x] = static_cast<char>(p[x] & 0xFF);
            ligne[3 * x + 1] = static_cast<char>(p[x] >> 8 & 0xFF);
            ligne[3 * x + 2] = static_cast<char>(p[x] >> 16 & 0xFF);
        }
        o += ligne;
    }
    return o;
}

}  // namespace section
