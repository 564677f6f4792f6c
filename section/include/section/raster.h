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
    // Becomes an independent copy of src with a fresh drawing state.
    void ReplacePicture(const Raster& src);
    // Resizes, fills with `fond` and resets the drawing state.
    void Reset(int width, int height, Couleur fond = kBlanc);

    // Drawing state; fresh: plain copy, white brush, black pen.
    ModeCopie CopyMode = ModeCopie::Copie;
    Couleur BrushColor = kBlanc;
    Couleur PenColor = kNoir;

    const Couleur* data() const { return px_.data(); }
    Couleur* data() { return px_.data(); }
    const Couleur* row(int y) const {
        return px_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w_);
    }
    Couleur* row(int y) {
        return px_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w_);
    }
    std::size_t size() const { return px_.size(); }

    bool operator==(const Raster& o) const { return w_ == o.w_ && h_ == o.h_ && px_ == o.px_; }

private:
    void ResetDrawingState();

    int w_ = 0, h_ = 0;
    std::vector<Couleur> px_;
};

}  // namespace section
