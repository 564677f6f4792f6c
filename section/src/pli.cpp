// Compression: a train of sine-shaped folds made by shifting every column
// of the section down by its own offset. Nothing moves sideways.
#include <cmath>

#include "section/section.h"

namespace section {

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;
// Step of the fold factor, applied while the sum stays below the limit.
constexpr double kPasFacteur = 0.75;
constexpr double kLimiteFacteur = 2.0;

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

// Shifts each column x down by d = DecalagePli(x) below the top band:
//
//   rows 0 .. 39          unchanged (the band above the fold)
//   rows 40 .. 39 + d     old rows 40 - d .. 39 (the band reaches down)
//   rows 40 .. H - 2      old rows 40 - d .. H - 2 - d (every layer drops d)
//   row  H - 1            unchanged; old rows H - 1 - d .. H - 2 are lost
//
// One copy per column within Observe; the overlap reads the column as it
// was. A section of 41 rows or fewer has no rows to shift and is left as it
// is. The fold uses one factor throughout; FacteurPliPrec keeps it, and the
// factor steps up only afterwards (1.0 -> 1.75, then it stays).
void Plisser(Section& s) {
    s.FacteurPliPrec = s.FacteurPli;
    const int w = s.W(), h = s.H();
    if (h - 1 > AmplitudePli) {
        for (int x = 0; x < w; ++x) {
            const int d = DecalagePli(s, x);
            if (d == 0) continue;  // the copy onto itself changes nothing
            s.Observe.CopyRect({x, AmplitudePli, x + 1, h - 1}, s.Observe,
                               {x, AmplitudePli - d, x + 1, h - 1 - d});
        }
    }
    if (s.FacteurPli + kPasFacteur < kLimiteFacteur) s.FacteurPli += kPasFacteur;
}

}  // namespace section
