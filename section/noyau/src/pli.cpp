// SPDX-License-Identifier: GPL-3.0-or-later
// Compression: a train of sine-shaped folds made by shifting every column
// of the section down by its own offset. Nothing moves sideways.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "pli.h"

namespace section {

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;
// Step of the fold factor, applied while the sum stays below the limit.
constexpr double kPasFacteur = 0.75;
constexpr double kLimiteFacteur = 2.0;

// Rows 40 .. H - 2 of each column x take the rows d[x] higher, bottom row
// first. Plain copy; 0 <= d[x] <= 40. Each column only reads itself, so the
// columns are taken in bands of kBande: the 41 rows a band reads from stay
// in the cache however wide the section. The colours and the formation
// plane, rows of w pixels from `base`, are shifted alike, one after the other.
constexpr int kBande = 512;

template <typename Pixel>
void DecalerPlan(Pixel* base, int w, int h, const std::ptrdiff_t* dep) {
    const auto ligneDe = [base, w](int y) {
        return base + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
    };
    for (int debut = 0; debut < w; debut += kBande) {
        const int fin = std::min(debut + kBande, w);
        for (int y = h - 2; y >= AmplitudePli; --y) {
            Pixel* ligne = ligneDe(y);
            // The row that the next one reaches first, 41 rows up, is read
            // only here and there at first: fetch it in order beforehand.
            if (y > AmplitudePli) {
                const Pixel* suivante = ligneDe(y - 1 - AmplitudePli);
                for (int x = debut; x < fin; x += 16) __builtin_prefetch(suivante + x);
            }
            // One load and one store per pixel, in general registers: no
            // vector instruction whose speed would depend on what code ran
            // before (a vector unit left in its wide state by other code
            // slows down the older SSE instructions).
            for (int x = debut; x < fin; ++x) ligne[x] = ligne[dep[x]];
        }
    }
}

void DecalerLignes(Raster& o, const std::vector<int>& d) {
    const int w = o.width(), h = o.height();
    // Offset of each pixel's source within the raster, in pixels.
    std::vector<std::ptrdiff_t> depuis(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x)
        depuis[static_cast<std::size_t>(x)] =
            x - static_cast<std::ptrdiff_t>(d[static_cast<std::size_t>(x)]) * w;
    DecalerPlan(o.data(), w, h, depuis.data());
    if (o.FormationsActives()) DecalerPlan(o.formations(), w, h, depuis.data());
}

}  // namespace

// Offset of column x: 20 rows plus 20 times the sine of an angle that grows
// by 6 pi F over the width, so the fold has 3 F periods across the section.
//
//   offset 40 |    __          __
//          20 |---/--\--------/--\----   (column 0 sits on the middle value)
//           0 |__/    \__/\__/    \__
//
// Precondition: 0 <= x < W. A section without columns gives the middle value.
int DecalagePli(const Section& s, int x) {
    const int w = s.W();
    if (w <= 0) return AmplitudePli / 2;
    long double a = static_cast<long double>(x) / static_cast<long double>(w);
    a = a * (6.0L * static_cast<long double>(s.FacteurPli) * kPi);
    return ArrondiEntier((std::sin(a) + 1.0L) * (AmplitudePli * 0.5L));
}

int DecalagePliRapide(const Section& s, int x) {
    const int w = s.W();
    if (w <= 0) return DecalagePli(s, x);
    const double a = static_cast<double>(x) / static_cast<double>(w) *
                     (6.0 * s.FacteurPli * static_cast<double>(kPi));
    // |a| <= 1000: the angle's own rounding error stays below 1e-12.
    if (!(std::fabs(a) <= 1000.0)) return DecalagePli(s, x);
    const double v = (std::sin(a) + 1.0) * (AmplitudePli * 0.5);
    if (std::fabs(v - std::floor(v) - 0.5) < 1e-6) return DecalagePli(s, x);
    return static_cast<int>(std::nearbyint(v));
}

// The offsets of all the columns. On x86-64 the loop is also built with
// the AVX encoding, chosen at load time where the processor has it: code
// run before (the toolkit's image routines) may leave the vector unit in
// its wide state, and every switch between the older SSE encoding used here
// and the library's sine then costs far more than the sine itself.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx", "default")))
#endif
void DecalagesPli(const Section& s, int* d) {
    for (int x = 0; x < s.W(); ++x) d[x] = DecalagePliRapide(s, x);
}

// Shifts each column x down by d = DecalagePli(x) below the top band:
//
//   rows 0 .. 39          unchanged (the band above the fold)
//   rows 40 .. 39 + d     old rows 40 - d .. 39 (the band reaches down)
//   rows 40 .. H - 2      old rows 40 - d .. H - 2 - d (every layer drops d)
//   row  H - 1            unchanged; old rows H - 1 - d .. H - 2 are lost
//
// The shift is done row by row rather than column by column, which reads
// the raster in memory order and gives the same pixels: rows are rewritten
// from H - 2 up to 40, and the source row y - d(x) of each pixel lies above
// row y (or is row y itself when d = 0), so it still holds its old pixel.
// A section of 41 rows or fewer has no rows to shift and is left as it is.
// The fold uses one factor throughout; FacteurPliPrec keeps it, and the
// factor steps up only afterwards (1.0 -> 1.75, then it stays).
void Plisser(Section& s) {
    s.FacteurPliPrec = s.FacteurPli;
    Raster& o = s.Observe;
    const int w = s.W(), h = s.H();
    if (h - 1 > AmplitudePli && w > 0) {
        std::vector<int> d(static_cast<std::size_t>(w));
        DecalagesPli(s, d.data());
        if (o.CopyMode == ModeCopie::Copie) {
            DecalerLignes(o, d);
        } else {
            // Another copy mode combines each pixel with the one it replaces:
            // one copy per column within Observe, reading the column as it was.
            for (int x = 0; x < w; ++x) {
                const int dx = d[static_cast<std::size_t>(x)];
                if (dx == 0) continue;
                o.CopyRect({x, AmplitudePli, x + 1, h - 1}, o,
                           {x, AmplitudePli - dx, x + 1, h - 1 - dx});
            }
        }
    }
    if (s.FacteurPli + kPasFacteur < kLimiteFacteur) s.FacteurPli += kPasFacteur;
}

}  // namespace section
