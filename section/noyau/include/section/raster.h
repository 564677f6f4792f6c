// SPDX-License-Identifier: GPL-3.0-or-later
// The section raster: 24-bit colours with a drawing state, and the handful
// of exact operations the geological events are built from.
#pragma once

#include <cstdint>
#include <vector>

namespace section {

// A colour is stored as 0xFFRRGGBB, the layout of QImage::Format_RGB32, so a
// raster can be shown or written as a BMP without per-pixel conversion.
using Couleur = std::uint32_t;

constexpr Couleur kOpaque = 0xFF000000u;
constexpr Couleur Rgb(unsigned r, unsigned g, unsigned b) {
    return kOpaque | (r & 0xFFu) << 16 | (g & 0xFFu) << 8 | (b & 0xFFu);
}

constexpr Couleur kBleu = Rgb(0, 0, 255);   // empty: sky and holes
constexpr Couleur kRouge = Rgb(255, 0, 0);  // base band of an overthrust
constexpr Couleur kNoir = Rgb(0, 0, 0);     // drawn lines
constexpr Couleur kBlanc = Rgb(255, 255, 255);
// What a read outside a raster gives. Every stored pixel carries the opaque
// byte, so this value equals no colour a pixel can hold.
constexpr Couleur kSansCouleur = 0x00000000u;

enum class ModeCopie { Copie, Ou, Et };

// (left, top, right, bottom): the right column and the bottom row are excluded.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct Point {
    int x = 0, y = 0;
};

// The formation of a pixel: the index, in the event list, of the event that
// laid it (0 for the base layer of the reset), or kSansFormation for an
// empty pixel.
using Formation = std::int32_t;
constexpr Formation kSansFormation = -1;

class Raster {
public:
    Raster() = default;
    Raster(int width, int height, Couleur fond = kBlanc);
    // Adopts pixels in 0x??RRGGBB form (row by row, top row first); the
    // top byte is forced opaque.
    Raster(int width, int height, std::vector<Couleur> pixels);

    int width() const { return w_; }
    int height() const { return h_; }
    bool empty() const { return w_ <= 0 || h_ <= 0; }

    // The colour at (x, y), or kSansCouleur outside the raster.
    Couleur Pixels(int x, int y) const {
        if (x < 0 || y < 0 || x >= w_ || y >= h_) return kSansCouleur;
        return px_[static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) +
                   static_cast<std::size_t>(x)];
    }

    // Paints the part of r inside the raster with Brush.Color.
    void FillRect(Rect r);
    // Bresenham line in Pen.Color from a towards b; b itself is not painted.
    void Polyline(Point a, Point b);
    // Combines srcRect of src into dst according to CopyMode: reversed
    // rectangles mirror, sizes differing scale by nearest neighbour,
    // overlapping copies within one raster read the source as it was.
    void CopyRect(Rect dst, const Raster& src, Rect srcRect);
    // Becomes an independent copy of src, formation plane included (or
    // none when src has none), with a fresh drawing state.
    void ReplacePicture(const Raster& src);
    // Resizes, fills with `fond` and resets the drawing state. A formation
    // plane stays on, every pixel kSansFormation.
    void Reset(int width, int height, Couleur fond = kBlanc);

    // Drawing state; fresh: plain copy, white brush, black pen.
    ModeCopie CopyMode = ModeCopie::Copie;
    Couleur BrushColor = kBlanc;
    Couleur PenColor = kNoir;

    // The formation plane: one Formation per pixel beside the colours, off
    // until asked for. It never changes a colour; while it is on, the three
    // operations above write it as they write the colours:
    //   FillRect   kSansFormation with a blue brush, else FormationCourante;
    //   Polyline   FormationCourante on every painted pixel;
    //   CopyRect   from a raster with a plane (this one included), the
    //              source pixel's formation goes with its colour, whatever
    //              the mode; from a raster without one (a texture),
    //              FormationCourante on every written pixel in plain copy,
    //              on the pixels whose source is not black in Ou, none
    //              changed in Et.
    // Pixels the colour copy leaves alone keep their formation.
    void ActiverFormations();  // every pixel kSansFormation; no-op when on
    void RetirerFormations();
    bool FormationsActives() const { return formations_; }
    // The formation at (x, y); kSansFormation outside or without a plane.
    Formation FormationDe(int x, int y) const {
        if (!formations_ || x < 0 || y < 0 || x >= w_ || y >= h_) return kSansFormation;
        return fm_[static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) +
                   static_cast<std::size_t>(x)];
    }
    // What the operations write into the plane; the caller sets it to the
    // index of the event before the event's operations run. Neither Reset
    // nor ReplacePicture changes it.
    Formation FormationCourante = 0;

    const Couleur* data() const { return px_.data(); }
    Couleur* data() { return px_.data(); }
    const Couleur* row(int y) const {
        return px_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w_);
    }
    Couleur* row(int y) {
        return px_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w_);
    }
    std::size_t size() const { return px_.size(); }

    // The plane, row by row like the colours; null without a plane.
    const Formation* formations() const { return formations_ ? fm_.data() : nullptr; }
    Formation* formations() { return formations_ ? fm_.data() : nullptr; }
    const Formation* ligneFormations(int y) const {
        return fm_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w_);
    }
    Formation* ligneFormations(int y) {
        return fm_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w_);
    }

    // Compares sizes and colours only; see MemesFormations for the planes.
    bool operator==(const Raster& o) const { return w_ == o.w_ && h_ == o.h_ && px_ == o.px_; }
    // Both without a plane, or both with the same plane.
    bool MemesFormations(const Raster& o) const {
        return formations_ == o.formations_ && w_ == o.w_ && h_ == o.h_ && fm_ == o.fm_;
    }

private:
    void ResetDrawingState();
    void CopierFormations(Rect d, const Raster& src, Rect s, bool mx, bool my);

    int w_ = 0, h_ = 0;
    std::vector<Couleur> px_;
    bool formations_ = false;
    std::vector<Formation> fm_;  // w_ x h_ while formations_, else empty
};

}  // namespace section
